#pragma once

#include <QColor>
#include <QString>

class QPainter;

namespace ttservice {
class CVornSysStatusInfo;
} // namespace ttservice

namespace Ocv {

// How the status strips show a state: its text and colour.
struct StripState
{
    QString text;
    QColor color;

    // "正常" in green or "异常" in red; also the mark on an abnormal list row.
    static StripState of(bool normal);
    // A service is normal while running without a fault; without a record "--" in red.
    static StripState ofService(const ttservice::CVornSysStatusInfo* info);
    // A host resource is normal while running; without a record "-" in grey.
    static StripState ofHostResource(const ttservice::CVornSysStatusInfo* record);

    // The text in its colour, in the painter's current font.
    void paint(QPainter* painter, int x, int baseline) const;
};

} // namespace Ocv
