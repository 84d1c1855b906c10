#pragma once

#include "kx/IBaseHpfTableModel.h"

#include <QStringList>
#include <QVariant>

#include <cfloat>
#include <climits>
#include <memory>
#include <vector>

namespace kxtest {

// Columns: 0 name (text), 1 count (int), 2 amount (double), 3 volume (int64), 4 note (text).
class TestRow : public Kx::IBaseHpfTableData
{
public:
    TestRow(QString key, QString name, int count, double amount = 0, qint64 volume = 0, QString note = {})
        : key(std::move(key)), name(std::move(name)), count(count), amount(amount), volume(volume),
          note(std::move(note))
    {
    }

    QString getColumnText(int column) const override
    {
        if (column == 1)
            return count == INT_MAX ? QString() : QString::number(count);
        return column == 0   ? name
               : column == 2 ? QString::number(amount, 'f', 1)
               : column == 3 ? QString::number(volume)
                             : note;
    }
    QString getColumnText(int column, int purpose) const override
    {
        return purpose == TextCopied && column == 2 ? QString::number(amount, 'f', 4) : getColumnText(column);
    }
    int getColumnInt(int column) const override { return column == 1 ? count : INT_MAX; }
    double getColumnDouble(int column) const override { return column == 2 ? amount : DBL_MAX; }
    qint64 getColumnInt64(int column) const override { return column == 3 ? volume : LLONG_MAX; }
    QColor getTextColor(int column) const override { return column == 1 ? QColor(Qt::red) : QColor(); }
    std::string getKey() const override { return key.toStdString(); }

    QString key, name;
    int count;
    double amount;
    qint64 volume;
    QString note;
};

inline Kx::IBaseHpfTableDataPtr row(const QString& key, const QString& name, int count = 0, double amount = 0,
                                    qint64 volume = 0, const QString& note = {})
{
    return std::make_shared<TestRow>(key, name, count, amount, volume, note);
}

class TestModel : public Kx::IBaseHpfTableModel
{
public:
    explicit TestModel(bool sortable = true) : Kx::IBaseHpfTableModel(!sortable) {}
    int columnCount() const override { return 5; }
    QString headerText(int column) const override { return headers.value(column); }
    int columnValueType(int column) const override
    {
        static const int types[] = {QVariant::String, QVariant::Int, QVariant::Double, QVariant::LongLong,
                                    QVariant::String};
        return types[column];
    }
    QString emptyText() const override { return QStringLiteral("Nothing here"); }
    bool isSummaryShown() const override { return summary; }
    QColor rowBackground(int row) const override { return row % 2 ? QColor(0xF6F9FD) : QColor(Qt::white); }
    int frozenColumnCount() const override { return frozen; }

    bool summary = false;
    int frozen = 0;
    QStringList headers{"Name", "Count", "Amount", "Volume", "Note"};
};

inline QStringList visibleKeys(const Kx::IBaseHpfTableModel& model)
{
    QStringList keys;
    for (int r = 0; r < model.rowCount(); ++r)
        keys.append(model.dataAt(r)->qsKey());
    return keys;
}

inline Kx::IBaseHpfTableModel::Filter contains(const QSet<QString>& texts)
{
    return {Kx::IBaseHpfTableModel::FilterContains, texts};
}

} // namespace kxtest
