#include "data/BSON.h"

#include <bson/bson.h>

#include <utility>

namespace bson {

namespace {

bool findField(const bson_t* doc, const std::string& name, bson_iter_t* iter)
{
    return doc && bson_iter_init_find(iter, doc, name.c_str());
}

double numericValue(const bson_iter_t* iter)
{
    switch (bson_iter_type(iter)) {
    case BSON_TYPE_INT32:
        return bson_iter_int32(iter);
    case BSON_TYPE_INT64:
        return static_cast<double>(bson_iter_int64(iter));
    case BSON_TYPE_DOUBLE:
        return bson_iter_double(iter);
    case BSON_TYPE_BOOL:
        return bson_iter_bool(iter) ? 1 : 0;
    default:
        return 0;
    }
}

} // namespace

BSONObj::BSONObj() : m_doc(nullptr) {}

BSONObj::BSONObj(const BSONObj& other) : m_doc(other.m_doc ? bson_copy(other.m_doc) : nullptr) {}

BSONObj::BSONObj(BSONObj&& other) noexcept : m_doc(std::exchange(other.m_doc, nullptr)) {}

BSONObj& BSONObj::operator=(const BSONObj& other)
{
    if (this != &other) {
        BSONObj copy(other);
        std::swap(m_doc, copy.m_doc);
    }
    return *this;
}

BSONObj& BSONObj::operator=(BSONObj&& other) noexcept
{
    std::swap(m_doc, other.m_doc);
    return *this;
}

BSONObj::~BSONObj()
{
    if (m_doc)
        bson_destroy(m_doc);
}

BSONObj BSONObj::adopt(_bson_t* doc)
{
    BSONObj obj;
    obj.m_doc = doc;
    return obj;
}

bool BSONObj::isEmpty() const
{
    return nFields() == 0;
}

int BSONObj::nFields() const
{
    return m_doc ? static_cast<int>(bson_count_keys(m_doc)) : 0;
}

bool BSONObj::hasField(const std::string& name) const
{
    return m_doc && bson_has_field(m_doc, name.c_str());
}

int BSONObj::getIntField(const std::string& name) const
{
    bson_iter_t iter;
    if (!findField(m_doc, name, &iter))
        return 0;
    if (bson_iter_type(&iter) == BSON_TYPE_INT64)
        return static_cast<int>(bson_iter_int64(&iter));
    return static_cast<int>(numericValue(&iter));
}

long long BSONObj::getLongField(const std::string& name) const
{
    bson_iter_t iter;
    if (!findField(m_doc, name, &iter))
        return 0;
    if (bson_iter_type(&iter) == BSON_TYPE_INT64)
        return bson_iter_int64(&iter);
    return static_cast<long long>(numericValue(&iter));
}

double BSONObj::getDoubleField(const std::string& name) const
{
    bson_iter_t iter;
    return findField(m_doc, name, &iter) ? numericValue(&iter) : 0.0;
}

std::string BSONObj::getStringField(const std::string& name) const
{
    bson_iter_t iter;
    if (!findField(m_doc, name, &iter) || bson_iter_type(&iter) != BSON_TYPE_UTF8)
        return std::string();
    uint32_t length = 0;
    const char* text = bson_iter_utf8(&iter, &length);
    return std::string(text, length);
}

bool BSONObj::getBoolField(const std::string& name) const
{
    bson_iter_t iter;
    return findField(m_doc, name, &iter) && numericValue(&iter) != 0;
}

std::string BSONObj::jsonString() const
{
    if (!m_doc)
        return "{ }";
    size_t length = 0;
    char* text = bson_as_relaxed_extended_json(m_doc, &length);
    if (!text)
        return std::string();
    std::string result(text, length);
    bson_free(text);
    return result;
}

BSONObjBuilder::BSONObjBuilder() : m_doc(bson_new()) {}

BSONObjBuilder::~BSONObjBuilder()
{
    bson_destroy(m_doc);
}

BSONObjBuilder& BSONObjBuilder::append(const std::string& key, int value)
{
    bson_append_int32(m_doc, key.c_str(), static_cast<int>(key.size()), value);
    return *this;
}

BSONObjBuilder& BSONObjBuilder::append(const std::string& key, long long value)
{
    bson_append_int64(m_doc, key.c_str(), static_cast<int>(key.size()), value);
    return *this;
}

BSONObjBuilder& BSONObjBuilder::append(const std::string& key, double value)
{
    bson_append_double(m_doc, key.c_str(), static_cast<int>(key.size()), value);
    return *this;
}

BSONObjBuilder& BSONObjBuilder::append(const std::string& key, bool value)
{
    bson_append_bool(m_doc, key.c_str(), static_cast<int>(key.size()), value);
    return *this;
}

BSONObjBuilder& BSONObjBuilder::append(const std::string& key, const std::string& value)
{
    bson_append_utf8(m_doc, key.c_str(), static_cast<int>(key.size()), value.c_str(),
                     static_cast<int>(value.size()));
    return *this;
}

BSONObjBuilder& BSONObjBuilder::append(const std::string& key, const char* value)
{
    return append(key, std::string(value ? value : ""));
}

BSONObjBuilder& BSONObjBuilder::append(const std::string& key, const BSONObj& document)
{
    bson_t empty = BSON_INITIALIZER;
    bson_append_document(m_doc, key.c_str(), static_cast<int>(key.size()),
                         document.raw() ? document.raw() : &empty);
    return *this;
}

BSONObjBuilder& BSONObjBuilder::appendArray(const std::string& key, const std::vector<BSONObj>& documents)
{
    bson_t child;
    bson_append_array_begin(m_doc, key.c_str(), static_cast<int>(key.size()), &child);
    bson_t empty = BSON_INITIALIZER;
    for (std::size_t i = 0; i < documents.size(); ++i) {
        const std::string index = std::to_string(i);
        bson_append_document(&child, index.c_str(), static_cast<int>(index.size()),
                             documents[i].raw() ? documents[i].raw() : &empty);
    }
    bson_append_array_end(m_doc, &child);
    return *this;
}

BSONObjBuilder& BSONObjBuilder::appendArray(const std::string& key, const std::vector<int>& values)
{
    bson_t child;
    bson_append_array_begin(m_doc, key.c_str(), static_cast<int>(key.size()), &child);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string index = std::to_string(i);
        bson_append_int32(&child, index.c_str(), static_cast<int>(index.size()), values[i]);
    }
    bson_append_array_end(m_doc, &child);
    return *this;
}

BSONObj BSONObjBuilder::obj() const
{
    return BSONObj::adopt(bson_copy(m_doc));
}

} // namespace bson
