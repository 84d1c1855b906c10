#include "data/IData.h"

#include "data/BSON.h"

#include <cstring>

namespace ttservice {

IData::IData() : m_systemTag(0) {}

IData::~IData() = default;

std::string IData::getKey() const
{
    return std::string();
}

int IData::getSystemTag() const
{
    return m_systemTag;
}

void IData::setSystemTag(int tag)
{
    m_systemTag = tag;
}

void IData::toBsonWithBson(bson::BSONObjBuilder& builder) const
{
    for (const CRecordField& field : fieldTable()) {
        switch (field.kind) {
        case EFieldKind::Int:
            builder.append(field.name, field.ref<int>(*this));
            break;
        case EFieldKind::Double:
            builder.append(field.name, field.ref<double>(*this));
            break;
        case EFieldKind::String:
            builder.append(field.name, field.ref<std::string>(*this));
            break;
        case EFieldKind::Bool:
            builder.append(field.name, field.ref<bool>(*this));
            break;
        }
    }
}

void IData::fromBson(const bson::BSONObj& obj)
{
    for (const CRecordField& field : fieldTable()) {
        if (!obj.hasField(field.name))
            continue;
        switch (field.kind) {
        case EFieldKind::Int:
            field.ref<int>(*this) = obj.getIntField(field.name);
            break;
        case EFieldKind::Double:
            field.ref<double>(*this) = obj.getDoubleField(field.name);
            break;
        case EFieldKind::String:
            field.ref<std::string>(*this) = obj.getStringField(field.name);
            break;
        case EFieldKind::Bool:
            field.ref<bool>(*this) = obj.getBoolField(field.name);
            break;
        }
    }
}

bool IData::sameFields(const IData& other) const
{
    if (std::strcmp(className(), other.className()) != 0)
        return false;
    for (const CRecordField& field : fieldTable()) {
        bool equal = true;
        switch (field.kind) {
        case EFieldKind::Int:
            equal = field.ref<int>(*this) == field.ref<int>(other);
            break;
        case EFieldKind::Double:
            equal = field.ref<double>(*this) == field.ref<double>(other);
            break;
        case EFieldKind::String:
            equal = field.ref<std::string>(*this) == field.ref<std::string>(other);
            break;
        case EFieldKind::Bool:
            equal = field.ref<bool>(*this) == field.ref<bool>(other);
            break;
        }
        if (!equal)
            return false;
    }
    return true;
}

const CRecordFieldTable& IData::fieldTable() const
{
    static const CRecordFieldTable empty;
    return empty;
}

const CRecordField* IData::findField(const std::string& name) const
{
    for (const CRecordField& field : fieldTable()) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

} // namespace ttservice
