// Built into ThreadSanitizer builds only (WELCOME_TSAN): tells TSan about the synchronisation our
// code gets from Qt.
//
// Qt comes from the distribution, uninstrumented, and its QMutex is a futex behind atomics inside
// libQt5Core, so TSan sees neither a QMutex that our code locks nor the posted-event queue that
// carries a queued signal or invokeMethod() from a worker to the GUI thread. Without this, every
// value handed over that way shows up as a race in our own code.
//
// The functions below are defined in the executable, so the calls our libraries make through
// their PLT reach them first; each adds the annotation and forwards to Qt's own function. Calls
// inside libQt5Core bind directly and are not seen, which the suppressions file covers.
//
// - QMutex::lock, tryLock, unlock: annotated as a mutex at the QMutex's address.
// - QMetaObject::activate, invokeMethodImpl, QCoreApplication::postEvent: release on one hand-off
//   address before the event can be queued; the delivery of a QEvent::MetaCall acquires it. That
//   is what the lock of the receiving thread's post-event list gives: everything posted before
//   the GUI thread takes the list happens before what it then delivers.
// - invokeMethodImpl also wraps the slot object, for whichever thread ends up destroying it.
// - QThreadPool::start(std::function): the function is wrapped so that it acquires, on the pool's
//   thread, what the starting thread released once the function was built; that is what the pool's
//   queue (a QMutex and a wait condition inside libQt5Core) gives.
//
// One hand-off address serves every thread, which is exact while only the GUI thread runs an
// event loop. Arguments of a queued signal are copied inside activate(), after the release: a
// signal with arguments emitted on a worker would need more than this (none is, today).

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QMutex>
#include <QThreadPool>

#include <functional>
#include <memory>

#include <sanitizer/tsan_interface.h>

#include <dlfcn.h>

namespace {

char handOff;
char poolHandOff;

template <class Fn> Fn qtFunction(const char* symbol)
{
    void* fn = dlsym(RTLD_NEXT, symbol);
    if (!fn)
        qFatal("tsan annotations: %s not found in Qt", symbol);
    return reinterpret_cast<Fn>(fn);
}

bool acquireOnMetaCall(void** data)
{
    const QEvent* event = static_cast<QEvent*>(data[1]);
    if (event && event->type() == QEvent::MetaCall)
        __tsan_acquire(&handOff);
    return false;
}

[[maybe_unused]] const bool registered =
    QInternal::registerCallback(QInternal::EventNotifyCallback, acquireOnMetaCall);

// invokeMethod() hands its slot object to Qt, which keeps it alive by a reference count that it
// changes inside libQt5Core: the worker's own reference may be the last, so the worker may destroy
// the functor after the GUI thread has called it. Wrapped in this, each call releases on the
// wrapper and its destruction acquires there first.
class AnnotatedSlot : public QtPrivate::QSlotObjectBase
{
public:
    explicit AnnotatedSlot(QtPrivate::QSlotObjectBase* slot) : QSlotObjectBase(&impl), m_slot(slot) {}

private:
    static void impl(int which, QSlotObjectBase* self, QObject* receiver, void** args, bool* ret)
    {
        auto* that = static_cast<AnnotatedSlot*>(self);
        switch (which) {
        case Call:
            that->m_slot->call(receiver, args);
            __tsan_release(that);
            break;
        case Compare:
            *ret = that->m_slot->compare(args);
            break;
        case Destroy:
            __tsan_acquire(that);
            that->m_slot->destroyIfLastRef();
            delete that;
            break;
        }
    }

    QtPrivate::QSlotObjectBase* m_slot;
};

} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto real = qtFunction<void (*)(QMutex*)>("_ZN6QMutex4lockEv");
    __tsan_mutex_pre_lock(this, 0);
    real(this);
    __tsan_mutex_post_lock(this, 0, 0);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto real = qtFunction<bool (*)(QMutex*, int)>("_ZN6QMutex7tryLockEi");
    __tsan_mutex_pre_lock(this, __tsan_mutex_try_lock);
    const bool locked = real(this, timeout);
    __tsan_mutex_post_lock(this, __tsan_mutex_try_lock | (locked ? 0 : __tsan_mutex_try_lock_failed), 0);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto real = qtFunction<void (*)(QMutex*)>("_ZN6QMutex6unlockEv");
    __tsan_mutex_pre_unlock(this, 0);
    real(this);
    __tsan_mutex_post_unlock(this, 0);
}

void QMetaObject::activate(QObject* sender, const QMetaObject* meta, int localSignalIndex, void** argv)
{
    static const auto real = qtFunction<void (*)(QObject*, const QMetaObject*, int, void**)>(
        "_ZN11QMetaObject8activateEP7QObjectPKS_iPPv");
    __tsan_release(&handOff);
    real(sender, meta, localSignalIndex, argv);
}

bool QMetaObject::invokeMethodImpl(QObject* object, QtPrivate::QSlotObjectBase* slot, Qt::ConnectionType type,
                                   void* ret)
{
    static const auto real = qtFunction<bool (*)(QObject*, QtPrivate::QSlotObjectBase*, Qt::ConnectionType,
                                                 void*)>(
        "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv");
    QtPrivate::QSlotObjectBase* annotated = slot ? new AnnotatedSlot(slot) : nullptr;
    __tsan_release(&handOff);
    return real(object, annotated, type, ret);
}

void QCoreApplication::postEvent(QObject* receiver, QEvent* event, int priority)
{
    static const auto real =
        qtFunction<void (*)(QObject*, QEvent*, int)>("_ZN16QCoreApplication9postEventEP7QObjectP6QEventi");
    __tsan_release(&handOff);
    real(receiver, event, priority);
}

void QThreadPool::start(std::function<void()> functionToRun, int priority)
{
    // The function travels by invisible reference, as the by-value parameter does in this ABI.
    static const auto real = qtFunction<void (*)(QThreadPool*, std::function<void()>*, int)>(
        "_ZN11QThreadPool5startESt8functionIFvvEEi");
    // Acquired at a fixed address, before the pool's thread reads anything of the function.
    std::function<void()> annotated = [run = std::move(functionToRun)]() {
        __tsan_acquire(&poolHandOff);
        run();
    };
    __tsan_release(&poolHandOff);
    real(this, &annotated, priority);
}
