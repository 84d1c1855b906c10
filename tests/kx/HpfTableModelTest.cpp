#include "HpfModelSteps.h"
#include "HpfTableTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <tuple>

namespace {

using kxtest::contains;
using kxtest::row;
using kxtest::visibleKeys;

class HpfModel : public ::testing::Test
{
protected:
    void add(std::initializer_list<Kx::IBaseHpfTableDataPtr> rows)
    {
        for (const auto& r : rows)
            model.addData(r);
    }
    QStringList keys() const { return visibleKeys(model); }

    kxtest::TestModel model;
};

TEST_F(HpfModel, AddsReplacesFindsAndRemovesRowsByKey)
{
    add({row("a", "alice", 3), row("b", "bob", 1), row("c", "carol", 2)});
    model.addData(row("b", "bobby", 9));
    model.addData(nullptr);
    EXPECT_EQ(keys(), QStringList({"a", "b", "c"})) << "a replaced row keeps its place";
    EXPECT_EQ(model.getDataByKey(QStringLiteral("b"))->getColumnText(0), "bobby");
    EXPECT_EQ(model.getDataByKey(QStringLiteral("x")), nullptr);

    EXPECT_TRUE(model.removeDataByKey(QStringLiteral("a")));
    EXPECT_FALSE(model.removeDataByKey(std::string("a")));
    model.addData(row("d", "dave"));
    EXPECT_EQ(keys(), QStringList({"b", "c", "d"}));
    EXPECT_EQ(model.getDataByKey(QStringLiteral("a")), nullptr);

    model.clear();
    EXPECT_EQ(model.totalCount(), 0);
}

TEST_F(HpfModel, FilterContainsIgnoresCaseAndTakesPatternCharactersLiterally)
{
    const QString longText(10000, QLatin1Char('z'));
    add({row("1", "a.b"), row("2", "axb"), row("3", "A+B"), row("4", "(x)*"), row("5", "Zeta" + longText)});
    model.filterColumn(0, contains({"A.B"}));
    EXPECT_EQ(keys(), QStringList({"1"}));
    model.filterColumn(0, contains({"+", "(X)*"}));
    EXPECT_EQ(keys(), QStringList({"3", "4"})) << "any text of the set";
    model.filterColumn(0, contains({longText}));
    EXPECT_EQ(keys(), QStringList({"5"}));
    model.filterColumn(0, contains({}));
    EXPECT_EQ(model.rowCount(), 5) << "an empty set removes the column's filter";
    EXPECT_FALSE(model.isFiltered());

    model.filterColumn(0, contains({"b"}));
    model.filterColumn(4, contains({""}));
    EXPECT_EQ(keys(), QStringList({"1", "2", "3"})) << "an empty text matches every row";
    model.filterColumn(0, {2, {"b"}});
    EXPECT_EQ(model.rowCount(), 5) << "unknown types are ignored";
}

// Texts sharing long prefixes, differing only in case (ASCII up to 'Z', against '_' between the
// cases, and beyond ASCII) and equal texts, beyond the sort's prefix keys: the order is case
// folded, then exact, and equal texts keep their order both ways.
TEST_F(HpfModel, TextSortOrdersLongSharedPrefixesCaseOnlyDifferencesAndTies)
{
    std::mt19937 random(7);
    const QString alphabet = QStringLiteral("aAbB\u00e9\u00c9\u4e2dZz_Y");
    QStringList texts;
    for (int i = 0; i < 400; ++i) {
        QString text = QStringLiteral("zhangwei-");
        for (int n = int(random() % 9); n > 0; --n)
            text += alphabet[int(random() % alphabet.size())];
        texts << text;
        model.addData(row(QString::number(i), text));
    }
    const auto expected = [&](bool descending) {
        std::vector<int> order(texts.size());
        for (int i = 0; i < texts.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            int c = texts[a].toCaseFolded().compare(texts[b].toCaseFolded());
            if (c == 0)
                c = texts[a].compare(texts[b]);
            return descending ? c > 0 : c < 0;
        });
        QStringList keys;
        for (int i : order)
            keys << QString::number(i);
        return keys;
    };
    ASSERT_LT(QSet<QString>(texts.begin(), texts.end()).size(), texts.size()) << "the case needs equal texts";
    model.sortByColumnID(0, Qt::AscendingOrder);
    EXPECT_EQ(keys(), expected(false));
    model.sortByColumnID(-1, Qt::AscendingOrder);
    model.sortByColumnID(0, Qt::DescendingOrder);
    EXPECT_EQ(keys(), expected(true));
}

TEST_F(HpfModel, SortsByTheColumnsValueTypeStablyBothWays)
{
    add({row("1", "beta", 10, 2.5, 1LL << 40), row("2", "Alpha", 2, -1, 5),
         row("3", "alpha", INT_MAX, 1e9, -7), row("4", "Beta", 2, 0, 0),
         row("5", "gamma", -3, -0.5, 1LL << 41)});
    model.sortByColumnID(0, Qt::AscendingOrder);
    EXPECT_EQ(keys(), QStringList({"2", "3", "4", "1", "5"})) << "case folded, then exact";
    model.sortByColumnID(1, Qt::AscendingOrder);
    EXPECT_EQ(keys(), QStringList({"5", "2", "4", "1", "3"})) << "ties keep the name order; no value last";
    model.sortByColumnID(1, Qt::DescendingOrder);
    EXPECT_EQ(keys(), QStringList({"3", "1", "2", "4", "5"})) << "reversed, ties still in their order";
    model.sortByColumnID(2, Qt::AscendingOrder);
    EXPECT_EQ(keys(), QStringList({"2", "5", "4", "1", "3"}));
    model.sortByColumnID(3, Qt::DescendingOrder);
    EXPECT_EQ(keys(), QStringList({"5", "1", "2", "4", "3"}));
    model.sortByColumnID(-1, Qt::AscendingOrder);
    EXPECT_EQ(keys(), QStringList({"1", "2", "3", "4", "5"})) << "arrival order";
    EXPECT_EQ(model.sortColumn(), -1);
}

TEST_F(HpfModel, RemovalWhileFilteredAndSortedFixesTheIndex)
{
    for (int i = 0; i < 10; ++i)
        model.addData(row(QString::number(i), i < 5 ? "low" : "high", 10 - i));
    model.sortByColumnID(1, Qt::AscendingOrder);
    model.filterColumn(0, contains({"high"}));
    EXPECT_EQ(keys(), QStringList({"9", "8", "7", "6", "5"}));
    model.removeDataByKey(QStringLiteral("7"));
    model.removeDataByKey(QStringLiteral("2"));
    model.removeDataByKey(QStringLiteral("9"));
    EXPECT_EQ(keys(), QStringList({"8", "6", "5"}));
    model.addData(row("n", "high", 4));
    model.clearFilter();
    EXPECT_EQ(keys(), QStringList({"8", "6", "n", "5", "4", "3", "1", "0"}));

    const auto id = model.rowIdOf(QStringLiteral("n"));
    EXPECT_EQ(model.visibleRowOfId(id), 2);
    model.addData(row("n", "high", 1));
    EXPECT_EQ(model.rowIdOf(QStringLiteral("n")), id) << "a replaced row keeps its id";
    EXPECT_EQ(model.visibleRowOfId(id), 0);
    model.removeDataByKey(QStringLiteral("n"));
    EXPECT_EQ(model.rowCount(), 7);
    model.addData(row("z", "z"));
    EXPECT_EQ(model.dataById(id), nullptr) << "never the id of another row, even in the same slot";
    EXPECT_EQ(Kx::IBaseHpfTableModel::slotOf(model.rowIdOf("z")), Kx::IBaseHpfTableModel::slotOf(id));
}

TEST_F(HpfModel, StepsRunAwayFromTheModelAccountForChangesMadeMeanwhile)
{
    for (int i = 0; i < 10; ++i)
        model.addData(row(QString::number(i), QString(QChar('a' + 9 - i)), i));
    auto sort = Kx::HpfModelSteps::prepareSort(model, 0, Qt::AscendingOrder);
    auto filter = Kx::HpfModelSteps::prepareFilter(model, 1, contains({"1", "3", "5", "7", "9", "11"}));
    model.removeDataByKey(QStringLiteral("3"));
    model.addData(row("11", "k", 11));
    model.addData(row("5", "a", 5));
    sort->run();
    filter->run();
    EXPECT_TRUE(Kx::HpfModelSteps::apply(model, *sort));
    EXPECT_EQ(keys(), QStringList({"9", "5", "8", "7", "6", "4", "2", "1", "0", "11"}));
    EXPECT_TRUE(Kx::HpfModelSteps::apply(model, *filter));
    EXPECT_EQ(keys(), QStringList({"9", "5", "7", "1", "11"}));

    auto load = Kx::HpfModelSteps::prepareLoad(model, {row("p", "p", 1), row("q", "q", 3), row("p", "p2", 7)});
    model.addData(row("r", "r", 5));
    model.removeDataByKey(QStringLiteral("q"));
    load->run();
    EXPECT_TRUE(Kx::HpfModelSteps::apply(model, *load));
    EXPECT_EQ(keys(), QStringList({"p", "r"})) << "a later duplicate wins; changes meanwhile replayed";
    EXPECT_EQ(model.getDataByKey(QStringLiteral("p"))->getColumnText(0), "p2");

    auto stale = Kx::HpfModelSteps::prepareSort(model, 0, Qt::DescendingOrder);
    model.clear();
    stale->run();
    EXPECT_FALSE(Kx::HpfModelSteps::apply(model, *stale));
    kxtest::TestModel other;
    EXPECT_FALSE(Kx::HpfModelSteps::apply(other, *Kx::HpfModelSteps::prepareSort(model, 0, Qt::AscendingOrder)));
}

TEST_F(HpfModel, FoldsCaseBeyondAsciiWhenFilteringAndSorting)
{
    add({row("1", "ÄRGER"), row("2", "ärger"), row("3", "Ωmega"), row("4", "ωmega"), row("5", "张三𠀋")});
    model.filterColumn(0, contains({"äR"}));
    EXPECT_EQ(keys(), QStringList({"1", "2"}));
    model.filterColumn(0, contains({"ΩM", "𠀋"}));
    EXPECT_EQ(keys(), QStringList({"3", "4", "5"}));
    model.addData(row("6", "OMEGA ωm"));
    EXPECT_EQ(keys(), QStringList({"3", "4", "5", "6"}))
        << "a new row tested on its own agrees with the index";
    model.clearFilter();
    model.sortByColumnID(0, Qt::AscendingOrder);
    EXPECT_EQ(keys(), QStringList({"6", "1", "2", "3", "4", "5"}));
}

// Random additions, replacements, removals, sorts and filters, some of them run as tasks with
// changes in between, against a plain reference: the visible rows must always agree.
TEST_F(HpfModel, AgreesWithAPlainReferenceThroughRandomChanges)
{
    struct Ref
    {
        QString name;
        int count, arrival;
    };
    std::map<QString, Ref> ref;
    std::mt19937 random(7);
    int arrivals = 0, sortColumn = -1;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    QString needle;
    auto expected = [&]() {
        std::vector<std::pair<QString, Ref>> rows(ref.begin(), ref.end());
        rows.erase(std::remove_if(
                       rows.begin(), rows.end(),
                       [&](const auto& r) { return !r.second.name.contains(needle, Qt::CaseInsensitive); }),
                   rows.end());
        std::sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
            if (sortColumn < 0)
                return a.second.arrival < b.second.arrival;
            const int c =
                sortColumn == 0 ? a.second.name.compare(b.second.name) : a.second.count - b.second.count;
            return sortOrder == Qt::AscendingOrder ? c < 0 : c > 0;
        });
        QStringList keys;
        for (const auto& r : rows)
            keys.append(r.first);
        return keys;
    };
    auto mutate = [&]() {
        const QString key = QString::number(random() % 400);
        if (random() % 10 < 3) {
            model.removeDataByKey(key);
            ref.erase(key);
            return;
        }
        // Unique names and counts keep the expected order free of ties.
        const int count = int(random() % 1000000) * 400 + key.toInt();
        const QString name =
            QString(QChar('a' + int(random() % 4))) + QChar('a' + int(random() % 4)) + "-" + key;
        model.addData(row(key, name, count));
        auto it = ref.find(key);
        ref[key] = Ref{name, count, it == ref.end() ? arrivals++ : it->second.arrival};
    };
    for (int step = 0; step < 3000; ++step) {
        const int what = int(random() % 100);
        if (what < 90) {
            mutate();
        } else if (what < 94) {
            sortColumn = int(random() % 3) - 1;
            sortOrder = random() % 2 ? Qt::AscendingOrder : Qt::DescendingOrder;
            model.sortByColumnID(sortColumn, sortOrder);
        } else if (what < 97) {
            needle = random() % 3 ? QString(QChar('A' + int(random() % 4))) : QString();
            model.filterColumn(0, contains({needle}));
        } else {
            const bool sorting = random() % 2;
            const int column = int(random() % 2);
            const QString text = QString(QChar('a' + int(random() % 4)));
            auto task = sorting ? Kx::HpfModelSteps::prepareSort(model, column, Qt::DescendingOrder)
                                : Kx::HpfModelSteps::prepareFilter(model, 0, contains({text}));
            for (int i = int(random() % 4); i > 0; --i)
                mutate();
            task->run();
            ASSERT_TRUE(Kx::HpfModelSteps::apply(model, *task));
            if (sorting)
                std::tie(sortColumn, sortOrder) = std::make_tuple(column, Qt::DescendingOrder);
            else
                needle = text;
        }
        if (step % 7 == 0 || what >= 90) {
            ASSERT_EQ(keys(), expected()) << "step " << step;
        }
    }
    EXPECT_EQ(model.totalCount(), int(ref.size()));
}

} // namespace
