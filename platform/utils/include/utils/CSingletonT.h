#pragma once

namespace utils {

// Process-wide singletons shared by several shared libraries.
//
// The instance must live in exactly one library, so the accessor is only declared here:
// the library that owns T defines it once with UTILS_DEFINE_SINGLETON and declares the
// specialization in T's header with UTILS_DECLARE_SINGLETON. Instances are never destroyed,
// so nothing depends on the order of static destruction at exit.
template <class T> class CSingletonT
{
public:
    static T* instance();
};

} // namespace utils

#define UTILS_DECLARE_SINGLETON(EXPORT, T)                                                                   \
    namespace utils {                                                                                        \
    template <> EXPORT T* CSingletonT<T>::instance();                                                        \
    }

#define UTILS_DEFINE_SINGLETON(EXPORT, T)                                                                    \
    namespace utils {                                                                                        \
    template <> EXPORT T* CSingletonT<T>::instance()                                                         \
    {                                                                                                        \
        static T* const s_instance = new T;                                                                  \
        return s_instance;                                                                                   \
    }                                                                                                        \
    }
