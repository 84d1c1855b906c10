#include "RequestLog.h"

#include "data/IData.h"
#include "data/ttservice/CVornAccountInfo.h"

#include <QJsonValue>

#include <map>

namespace RequestLog {

namespace {

QJsonValue fieldValue(const ttservice::CRecordField& field, const ttservice::IData& record)
{
    switch (field.kind) {
    case ttservice::EFieldKind::Int:
        return field.ref<int>(record);
    case ttservice::EFieldKind::Double:
        return field.ref<double>(record);
    case ttservice::EFieldKind::String:
        return QString::fromStdString(field.ref<std::string>(record));
    case ttservice::EFieldKind::Bool:
        return field.ref<bool>(record);
    }
    return QJsonValue();
}

QJsonObject fieldsOf(const ttservice::IData& record)
{
    QJsonObject fields;
    for (const ttservice::CRecordField& field : record.fieldTable())
        fields[QString::fromStdString(field.name)] = fieldValue(field, record);
    return fields;
}

} // namespace

QJsonObject queryLine(const Ocv::CVornClientCenter::SentRequest& request)
{
    return QJsonObject{{QStringLiteral("server"), QString::fromStdString(request.server)},
                       {QStringLiteral("kind"), QStringLiteral("query")},
                       {QStringLiteral("code"), request.dataType},
                       {QStringLiteral("param"), QString::fromStdString(request.param)},
                       {QStringLiteral("param2"), QString::fromStdString(request.param2)}};
}

QJsonObject operationLine(const Ocv::CVornClientCenter::SentOperation& operation)
{
    QJsonObject line{{QStringLiteral("server"), QString::fromStdString(operation.server)},
                     {QStringLiteral("kind"), QStringLiteral("operate")},
                     {QStringLiteral("code"), operation.dataType},
                     {QStringLiteral("operation"), operation.operation},
                     {QStringLiteral("key"), QJsonValue::Null},
                     {QStringLiteral("class"), QJsonValue::Null},
                     {QStringLiteral("record"), QJsonValue::Null}};
    if (const ttservice::IData* record = operation.data.get()) {
        QJsonObject fields = fieldsOf(*record);
        // An account's id and type are in its inner account.
        if (const auto* account = dynamic_cast<const ttservice::CVornAccountInfo*>(record))
            fields[QStringLiteral("account")] =
                account->account ? QJsonValue(fieldsOf(*account->account)) : QJsonValue(QJsonValue::Null);
        line[QStringLiteral("key")] = QString::fromStdString(record->getKey());
        line[QStringLiteral("class")] = QString::fromLatin1(record->className());
        line[QStringLiteral("record")] = fields;
    }
    // The request's own key names what the change is addressed to where the record's does not.
    if (!operation.key.empty())
        line[QStringLiteral("key")] = QString::fromStdString(operation.key);
    return line;
}

QList<QJsonObject> lines(const Ocv::CVornClientCenter& center)
{
    std::map<long long, QJsonObject> byOrder;
    for (const auto& request : center.sentRequests())
        byOrder.emplace(request.order, queryLine(request));
    for (const auto& operation : center.sentOperations())
        byOrder.emplace(operation.order, operationLine(operation));
    QList<QJsonObject> result;
    for (const auto& entry : byOrder)
        result.append(entry.second);
    return result;
}

} // namespace RequestLog
