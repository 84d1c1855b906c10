#pragma once

#include "data/DataGlobal.h"

#include <string>
#include <vector>

struct _bson_t;

namespace bson {

// An owned, immutable BSON document. Reads of missing or mistyped fields give 0 / empty.
class DATA_EXPORT BSONObj
{
public:
    BSONObj();
    BSONObj(const BSONObj& other);
    BSONObj(BSONObj&& other) noexcept;
    BSONObj& operator=(const BSONObj& other);
    BSONObj& operator=(BSONObj&& other) noexcept;
    ~BSONObj();

    // Takes ownership of a document made with bson_new/bson_copy.
    static BSONObj adopt(_bson_t* doc);

    bool isEmpty() const;
    int nFields() const;
    bool hasField(const std::string& name) const;
    int getIntField(const std::string& name) const;
    long long getLongField(const std::string& name) const;
    double getDoubleField(const std::string& name) const;
    std::string getStringField(const std::string& name) const;
    bool getBoolField(const std::string& name) const;
    std::string jsonString() const;

    const _bson_t* raw() const { return m_doc; }

private:
    _bson_t* m_doc; // null means the empty document
};

class DATA_EXPORT BSONObjBuilder
{
public:
    BSONObjBuilder();
    BSONObjBuilder(const BSONObjBuilder&) = delete;
    BSONObjBuilder& operator=(const BSONObjBuilder&) = delete;
    ~BSONObjBuilder();

    BSONObjBuilder& append(const std::string& key, int value);
    BSONObjBuilder& append(const std::string& key, long long value);
    BSONObjBuilder& append(const std::string& key, double value);
    BSONObjBuilder& append(const std::string& key, bool value);
    BSONObjBuilder& append(const std::string& key, const std::string& value);
    BSONObjBuilder& append(const std::string& key, const char* value);
    BSONObjBuilder& append(const std::string& key, const BSONObj& document);
    BSONObjBuilder& appendArray(const std::string& key, const std::vector<BSONObj>& documents);
    BSONObjBuilder& appendArray(const std::string& key, const std::vector<int>& values);

    // A copy of what has been appended so far; the builder stays usable.
    BSONObj obj() const;

private:
    _bson_t* m_doc;
};

} // namespace bson
