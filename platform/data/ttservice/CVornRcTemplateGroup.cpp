#include "data/ttservice/CVornRcTemplateGroup.h"

#include <QString>
#include <QStringList>

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornRcTemplateGroup, member)
TTSERVICE_RECORD_IMPL(CVornRcTemplateGroup, F(groupId), F(groupName), F(templateIds), F(targetKind),
                      F(description))
#undef F

CVornRcTemplateGroup::CVornRcTemplateGroup() = default;

CVornRcTemplateGroup::~CVornRcTemplateGroup() = default;

std::string CVornRcTemplateGroup::getKey() const
{
    return std::to_string(groupId);
}

std::vector<int> CVornRcTemplateGroup::templateIdList() const
{
    std::vector<int> ids;
    for (const QString& part : QString::fromStdString(templateIds).split(QLatin1Char(','))) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (ok)
            ids.push_back(id);
    }
    return ids;
}

} // namespace ttservice
