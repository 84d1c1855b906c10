#pragma once

#include "data/DataGlobal.h"
#include "data/RecordField.h"

#include <boost/shared_ptr.hpp>

#include <string>

namespace bson {
class BSONObj;
class BSONObjBuilder;
} // namespace bson

namespace ttservice {

class IData;
typedef boost::shared_ptr<IData> IDataPtr;

// Base of every record the data service returns.
class DATA_EXPORT IData
{
public:
    IData();
    IData(const IData&) = default;
    IData& operator=(const IData&) = default;
    virtual ~IData();

    virtual std::string getKey() const;
    int getSystemTag() const;
    void setSystemTag(int tag);

    // Appends every field of the record's table under its member name; a record with members
    // outside the table appends those too.
    virtual void toBsonWithBson(bson::BSONObjBuilder& builder) const;
    // Sets the fields present in the document; the others keep their values.
    void fromBson(const bson::BSONObj& obj);
    // True when both records are of the same class and every table field is equal; a record with
    // members outside the table compares those too.
    virtual bool sameFields(const IData& other) const;

    virtual const char* className() const = 0;
    virtual IDataPtr clone() const = 0;
    virtual const CRecordFieldTable& fieldTable() const;
    const CRecordField* findField(const std::string& name) const;

private:
    int m_systemTag;
};

} // namespace ttservice
