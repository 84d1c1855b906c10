#pragma once

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace ttservice {

class IData;

enum class EFieldKind
{
    Int,
    Double,
    String,
    Bool
};

// One public member of a record, reachable by name. A record class lists its members once in
// a table of these; BSON output, scenario loading and comparisons all walk that table.
struct CRecordField
{
    std::string name;
    EFieldKind kind;
    std::function<void*(IData&)> address;

    template <class V> V& ref(IData& record) const { return *static_cast<V*>(address(record)); }
    template <class V> const V& ref(const IData& record) const
    {
        return *static_cast<const V*>(address(const_cast<IData&>(record)));
    }
};

typedef std::vector<CRecordField> CRecordFieldTable;

template <class T, class V> CRecordField recordField(const char* name, V T::*member)
{
    EFieldKind kind;
    if constexpr (std::is_same_v<V, int>)
        kind = EFieldKind::Int;
    else if constexpr (std::is_same_v<V, double>)
        kind = EFieldKind::Double;
    else if constexpr (std::is_same_v<V, std::string>)
        kind = EFieldKind::String;
    else {
        static_assert(std::is_same_v<V, bool>, "record fields are int, double, std::string or bool");
        kind = EFieldKind::Bool;
    }
    return CRecordField{name, kind,
                        [member](IData& record) -> void* { return &(static_cast<T&>(record).*member); }};
}

} // namespace ttservice

#define TTSERVICE_FIELD(T, member) ::ttservice::recordField(#member, &T::member)

// Declares the per-class reflection members; TTSERVICE_RECORD_IMPL defines them in the .cpp.
#define TTSERVICE_RECORD(T)                                                                                  \
public:                                                                                                      \
    const char* className() const override;                                                                  \
    ::ttservice::IDataPtr clone() const override;                                                            \
    const ::ttservice::CRecordFieldTable& fieldTable() const override;                                       \
    static const char* staticClassName();                                                                    \
    static const ::ttservice::CRecordFieldTable& staticFieldTable();

// A record whose copy would share what it should own defines clone() itself and uses
// TTSERVICE_RECORD_IMPL_OWN_CLONE.
#define TTSERVICE_RECORD_IMPL(T, ...)                                                                        \
    ::ttservice::IDataPtr T::clone() const                                                                   \
    {                                                                                                        \
        return boost::make_shared<T>(*this);                                                                 \
    }                                                                                                        \
    TTSERVICE_RECORD_IMPL_OWN_CLONE(T, __VA_ARGS__)

#define TTSERVICE_RECORD_IMPL_OWN_CLONE(T, ...)                                                              \
    const char* T::staticClassName()                                                                         \
    {                                                                                                        \
        return #T;                                                                                           \
    }                                                                                                        \
    const char* T::className() const                                                                         \
    {                                                                                                        \
        return staticClassName();                                                                            \
    }                                                                                                        \
    const ::ttservice::CRecordFieldTable& T::staticFieldTable()                                              \
    {                                                                                                        \
        static const ::ttservice::CRecordFieldTable table{__VA_ARGS__};                                      \
        return table;                                                                                        \
    }                                                                                                        \
    const ::ttservice::CRecordFieldTable& T::fieldTable() const                                              \
    {                                                                                                        \
        return staticFieldTable();                                                                           \
    }
