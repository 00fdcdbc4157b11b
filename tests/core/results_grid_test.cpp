// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The results window's grid: where every number, "/" and footer line lands
// on the drawing area, which counts the cells show, and the window's life.
// Expected layouts are built here from the grid rules: column slot k sits at
// 700·k, row j at 200·j + 100, a single-digit number one column (100 twips)
// further right, and the footer follows the last line written.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "rig.h"

using namespace korvane;
using korvane::testing::Rig;

namespace {

using Items = std::vector<TextPlacement>;

std::string numberText(int n) { return " " + std::to_string(n) + " "; }
int digitShift(int n) { return n < 10 ? 100 : 0; }
int rowTop(int j) { return 200 * j + 100; }

Items columnLabels(int page)
{
    Items out;
    for (int k = 1; k <= 10; ++k) {
        const int n = page == 1 ? k : k + 10;
        out.push_back({700 * k + 100 + digitShift(n), 0, numberText(n)});
    }
    return out;
}

// Row j: its label, then for each slot the right count, "/" and the total.
// counts(n) gives {right, wrong} for column n.
template <typename Counts>
Items expectedRow(int j, int page, Counts counts)
{
    const int top = rowTop(j);
    Items out{{digitShift(j), top, numberText(j)}};
    for (int k = 1; k <= 10; ++k) {
        const auto [r, w] = counts(page == 1 ? k : k + 10);
        out.push_back({700 * k + digitShift(r), top, numberText(r)});
        out.push_back({700 * k + 300, top, "/"});
        out.push_back({700 * k + 300 + digitShift(r + w), top, numberText(r + w)});
    }
    return out;
}

Items expectedFooter(int page, int lastTop, int lineHeight, int right, int probs)
{
    return {
        {0, lastTop + lineHeight, " "},
        {0, lastTop + 2 * lineHeight,
         page == 1 ? "Numbers  1 thru 10       Key:Correct / Total" : "Numbers 11 thru 20       Key:Correct / Total"},
        {0, lastTop + 3 * lineHeight, " "},
        {0, lastTop + 4 * lineHeight, "Total Right=" + numberText(right) + "    Total Problems=" + numberText(probs)}};
}

Items itemsAtTop(const DrawingArea& dt, int top)
{
    Items out;
    std::ranges::copy_if(dt.items(), std::back_inserter(out), [top](const auto& item) { return item.top == top; });
    return out;
}

Items lastItems(const DrawingArea& dt, std::size_t n)
{
    const Items& all = dt.items();
    return n > all.size() ? all : Items(all.end() - static_cast<std::ptrdiff_t>(n), all.end());
}

Fact& factOf(Data& data, int num1, int num2)
{
    const auto it = std::ranges::find_if(data.facts, [&](const Fact& f) { return f.num1 == num1 && f.num2 == num2; });
    if (it != data.facts.end()) {
        return *it;
    }
    throw std::runtime_error("no fact " + std::to_string(num1) + "," + std::to_string(num2));
}

// Ticks exactly the given numbers (1..10, 11 for plus-ten) through the panel.
void tickOnly(Rig& r, std::initializer_list<int> numbers)
{
    r->unselect.click();
    for (int n : numbers) {
        r->ck(n - 1).click();
    }
}

// Answers `pattern` problems through the answer buttons ('r' right, 'w'
// wrong) and returns the pupil's own tally: {num1, num2} -> {right, wrong}.
std::map<std::pair<int, int>, std::pair<int, int>> play(Rig& r, const std::string& pattern)
{
    std::map<std::pair<int, int>, std::pair<int, int>> tally;
    for (char c : pattern) {
        auto& cell = tally[{r.current().num1, r.current().num2}];
        if (c == 'r') {
            ++cell.first;
            r.rightButton().click();
        } else {
            ++cell.second;
            r.wrongButton().click();
        }
    }
    return tally;
}

}  // namespace

// ---- one row, footer right under it ----------------------------------------

class LineHeightTest : public ::testing::TestWithParam<int> {};

TEST_P(LineHeightTest, AdditionWithOnlyThreeTickedDrawsOneRowAndTheFooterOneLineBelowIt)
{
    Rig r;
    r.pf.dt.setLineHeight(GetParam());
    tickOnly(r, {3});
    for (int n = 1; n <= 10; ++n) {
        Fact& fact = factOf(r.data, 3, n);
        fact.timesright = static_cast<std::int16_t>(n);
        fact.timeswrong = 2;
    }
    r.data.totalright = 12;
    r.data.totalprobs = 20;
    r->results.click();

    ASSERT_TRUE(r.pf.IsLoaded());
    EXPECT_TRUE(r.pf.Visible());
    EXPECT_EQ(r.pf.page(), 1);
    EXPECT_FALSE(r.pf.show10.Enabled());
    EXPECT_FALSE(r.pf.show20.Enabled());

    Items expected = columnLabels(1);
    const Items row = expectedRow(3, 1, [](int n) { return std::pair{n, 2}; });
    expected.insert(expected.end(), row.begin(), row.end());
    const Items footer = expectedFooter(1, rowTop(3), GetParam(), 12, 20);
    expected.insert(expected.end(), footer.begin(), footer.end());
    EXPECT_EQ(r.pf.dt.items(), expected);
}

TEST_P(LineHeightTest, NoNumberTickedDrawsOnlyTheColumnLabelsAndTheFooterOneLineBelowThem)
{
    Rig r;
    r.pf.dt.setLineHeight(GetParam());
    tickOnly(r, {});
    r->results.click();

    Items expected = columnLabels(1);
    const Items footer = expectedFooter(1, 0, GetParam(), 0, 0);
    expected.insert(expected.end(), footer.begin(), footer.end());
    EXPECT_EQ(r.pf.dt.items(), expected);
    EXPECT_FALSE(r.pf.show10.Enabled());
    EXPECT_FALSE(r.pf.show20.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Fonts, LineHeightTest, ::testing::Values(195, 225, 240));

// ---- which fact a cell shows -------------------------------------------------

TEST(ResultsCells, SubtractionCellOfRowJColumnNShowsTheFactNMinusJAndZerosWhereNoneExists)
{
    Rig r;
    r->Option1(1).click();
    tickOnly(r, {2, 5});
    // Every fact n - j counts n right and j wrong, so each cell names its fact.
    for (Fact& fact : r.data.facts) {
        fact.timesright = fact.num1;
        fact.timeswrong = fact.num2;
    }
    r->results.click();

    for (int j : {2, 5}) {
        const auto cell = [j](int n) { return n > j ? std::pair{n, j} : std::pair{0, 0}; };
        EXPECT_EQ(itemsAtTop(r.pf.dt, rowTop(j)), expectedRow(j, 1, cell)) << "row " << j;
    }
    // Row 5, column 7 is 7 - 5; row 2, column 7 is 7 - 2; row 5, column 2 is
    // not the fact 5 - 2 of row 2.
    const Items row5 = itemsAtTop(r.pf.dt, rowTop(5));
    const Items row2 = itemsAtTop(r.pf.dt, rowTop(2));
    EXPECT_EQ(row5[1 + 3 * 6], (TextPlacement{5000, 1100, " 7 "}));
    EXPECT_EQ(row5[3 + 3 * 6], (TextPlacement{5200, 1100, " 12 "}));
    EXPECT_EQ(row2[3 + 3 * 6], (TextPlacement{5300, 500, " 9 "}));
    EXPECT_EQ(row5[1 + 3 * 1], (TextPlacement{1500, 1100, " 0 "}));
    EXPECT_EQ(lastItems(r.pf.dt, 4), expectedFooter(1, rowTop(5), 195, 0, 0));
}

TEST(ResultsCells, PlusTenSecondPageShowsColumnsElevenToTwentyUnderTheSameRowLabels)
{
    Rig r;
    r->ck(10).click();  // plus-ten, with 1..10 ticked from the start
    ASSERT_EQ(r.data.numsel(11), 1);
    for (Fact& fact : r.data.facts) {
        fact.timesright = static_cast<std::int16_t>(fact.num2 % 10);
        fact.timeswrong = static_cast<std::int16_t>(fact.num1);
    }
    r->results.click();
    EXPECT_TRUE(r.pf.show10.Enabled());
    EXPECT_TRUE(r.pf.show20.Enabled());

    for (int page : {2, 1}) {
        (page == 2 ? r.pf.show20 : r.pf.show10).click();
        EXPECT_EQ(r.pf.page(), page);
        EXPECT_EQ(itemsAtTop(r.pf.dt, 0), columnLabels(page));
        for (int j = 1; j <= 10; ++j) {
            const auto cell = [j](int n) { return std::pair{n % 10, j}; };
            EXPECT_EQ(itemsAtTop(r.pf.dt, rowTop(j)), expectedRow(j, page, cell)) << "page " << page << " row " << j;
        }
        EXPECT_EQ(r.pf.dt.items().size(), 10u + 10u * 31u + 4u);
        EXPECT_EQ(lastItems(r.pf.dt, 4), expectedFooter(page, rowTop(10), 195, 0, 0));
    }
}

TEST(ResultsCells, MultiplicationFactRightTwiceAndWrongOnceShowsTwoOverThree)
{
    Rig r;
    r->Option1(2).click();
    tickOnly(r, {6});
    Fact& fact = factOf(r.data, 6, 8);
    fact.timesright = 2;
    fact.timeswrong = 1;
    r->results.click();

    const Items row = itemsAtTop(r.pf.dt, rowTop(6));
    ASSERT_EQ(row.size(), 31u);
    EXPECT_EQ(row[1 + 3 * 7], (TextPlacement{5700, 1300, " 2 "}));
    EXPECT_EQ(row[2 + 3 * 7], (TextPlacement{5900, 1300, "/"}));
    EXPECT_EQ(row[3 + 3 * 7], (TextPlacement{6000, 1300, " 3 "}));
}

// ---- the page as a screen reader reads it -----------------------------------

TEST(ResultsReading, EachCellNamesItsFactWithItsCountsUnderTheDrawnHeaders)
{
    Rig r;
    r->Option1(1).click();
    tickOnly(r, {2, 5});
    factOf(r.data, 7, 5).timesright = 1;
    factOf(r.data, 7, 5).timeswrong = 1;
    r->results.click();

    // Read as the grid's accessible table reads the page it shows.
    const ResultsPage& page = r.pf.shownPage();
    std::vector<std::string> columns;
    for (int k = 0; k < page.columnCount(); ++k) {
        columns.push_back(page.columnWords(k));
    }
    EXPECT_EQ(columns, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    ASSERT_EQ(page.rowCount(), 2);
    EXPECT_EQ(page.rowWords(0), "2");
    EXPECT_EQ(page.rowWords(1), "5");
    EXPECT_EQ(page.cellWords(1, 6), "7 - 5: 1 right of 2");
    EXPECT_EQ(page.cellWords(0, 6), "7 - 2: 0 right of 0");
    // Row 5, column 2 holds no fact: only the zeros it shows.
    EXPECT_EQ(page.cellWords(1, 1), "0 right of 0");
    EXPECT_EQ(page.totals(), "Total Right= 0     Total Problems= 0 ");

    r.pf.okclose.click();
    r->Option1(2).click();
    r->results.click();
    EXPECT_EQ(r.pf.shownPage().cellWords(0, 2), "2 x 3: 0 right of 0");
}

TEST(ResultsCells, TotalOfTwoFullCountersIsNeverShownNegative)
{
    Rig r;
    tickOnly(r, {1});
    Fact& fact = factOf(r.data, 1, 1);
    fact.timesright = 32767;
    fact.timeswrong = 32767;
    r->results.click();
    const Items row = itemsAtTop(r.pf.dt, rowTop(1));
    ASSERT_EQ(row.size(), 31u);
    EXPECT_EQ(row[1].text, " 32767 ");
    const int total = std::stoi(row[3].text);
    EXPECT_GE(total, 32767) << row[3].text;
}

TEST(ResultsCells, CountsAnsweredThroughTheButtonsAppearInTheirCellsAndTotals)
{
    Rig r;
    tickOnly(r, {7});
    r->Start.click();
    const auto tally = play(r, "rrwrwrrrwr");
    r->Stop.click();
    r->results.click();

    EXPECT_EQ(itemsAtTop(r.pf.dt, rowTop(7)), expectedRow(7, 1, [&tally](int n) {
                  const auto it = tally.find({7, n});
                  return it == tally.end() ? std::pair{0, 0} : it->second;
              }));
    EXPECT_EQ(lastItems(r.pf.dt, 4), expectedFooter(1, rowTop(7), 195, 7, 10));
}

// ---- footer --------------------------------------------------------------------

TEST(ResultsFooter, TitleNamesThePageAndTotalsAreTheSameOnBothPages)
{
    Rig r;
    r->ck(10).click();
    r.data.totalright = 12;
    r.data.totalprobs = 20;
    r->results.click();
    const Items page1 = lastItems(r.pf.dt, 4);
    r.pf.show20.click();
    const Items page2 = lastItems(r.pf.dt, 4);

    ASSERT_EQ(page1.size(), 4u);
    ASSERT_EQ(page2.size(), 4u);
    EXPECT_EQ(page1[0].text, " ");
    EXPECT_EQ(page1[1].text, "Numbers  1 thru 10       Key:Correct / Total");
    EXPECT_EQ(page2[1].text, "Numbers 11 thru 20       Key:Correct / Total");
    EXPECT_EQ(page1[2].text, " ");
    EXPECT_EQ(page1[3].text, "Total Right= 12     Total Problems= 20 ");
    EXPECT_EQ(page2[3], page1[3]);
}

// ---- the window's life -----------------------------------------------------------

TEST(ResultsWindowLife, ResultsWhileOpenOnlyRaisesAndShowOneToTenRedrawsWithTheLatestCounts)
{
    Rig r;
    tickOnly(r, {2, 11});
    r->results.click();
    r.pf.show20.click();
    const Items before = r.pf.dt.items();

    r->Start.click();
    const auto tally = play(r, "rwrrwrrw");
    r->Stop.click();
    r->results.click();
    EXPECT_TRUE(r.pf.Visible());
    EXPECT_EQ(r.pf.page(), 2);
    EXPECT_EQ(r.pf.dt.items(), before);

    const auto counts = [&tally](int n) {
        const auto it = tally.find({2, n});
        return it == tally.end() ? std::pair{0, 0} : it->second;
    };
    r.pf.show10.click();
    EXPECT_EQ(r.pf.page(), 1);
    EXPECT_EQ(itemsAtTop(r.pf.dt, rowTop(2)), expectedRow(2, 1, counts));
    EXPECT_EQ(lastItems(r.pf.dt, 4), expectedFooter(1, rowTop(2), 195, 5, 8));
    r.pf.show20.click();
    EXPECT_EQ(itemsAtTop(r.pf.dt, rowTop(2)), expectedRow(2, 2, counts));
}

TEST(ResultsWindowLife, PageButtonsFollowPlusTenAtCreationOnlyAndCloseLetsTheNextOpenStartAfresh)
{
    Rig r;
    r->results.click();
    EXPECT_FALSE(r.pf.show20.Enabled());

    // Ticking plus-ten while the window is open changes nothing on it.
    r->ck(10).click();
    EXPECT_FALSE(r.pf.show20.Enabled());
    r.pf.show20.click();
    EXPECT_EQ(r.pf.page(), 1);

    r.pf.okclose.click();
    EXPECT_FALSE(r.pf.IsLoaded());
    EXPECT_FALSE(r.pf.Visible());

    r->results.click();
    ASSERT_TRUE(r.pf.IsLoaded());
    EXPECT_TRUE(r.pf.Visible());
    EXPECT_TRUE(r.pf.show10.Enabled());
    EXPECT_TRUE(r.pf.show20.Enabled());
    r.pf.show20.click();
    EXPECT_EQ(r.pf.page(), 2);

    // Closed on page 2 with plus-ten since unticked: a fresh window on page 1,
    // its page buttons off again.
    r.pf.okclose.click();
    r->ck(10).click();
    r->results.click();
    EXPECT_EQ(r.pf.page(), 1);
    EXPECT_EQ(itemsAtTop(r.pf.dt, 0), columnLabels(1));
    EXPECT_FALSE(r.pf.show10.Enabled());
    EXPECT_FALSE(r.pf.show20.Enabled());
}

TEST(ResultsWindowLife, WindowMadeByTheViewGetsItsLineHeightBeforeTheFirstPageIsDrawn)
{
    Rig r;
    r.pfView.whenCreated = [&] { r.pf.dt.setLineHeight(225); };
    tickOnly(r, {3});
    r->results.click();
    r->results.click();
    EXPECT_EQ(lastItems(r.pf.dt, 4), expectedFooter(1, rowTop(3), 225, 0, 0));
    r.pf.okclose.click();
    EXPECT_EQ(r.pfView.calls, (std::vector<std::string>{"created", "showModeless", "showModeless", "destroyed"}));
}
