// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace kalto {
namespace {

struct Term {
    double A, B, C;
};

std::vector<std::size_t> TermCounts(VsopCoordinate coordinate) {
    std::vector<std::size_t> counts;
    for (const VsopSeries& series : coordinate) {
        counts.push_back(series.A.size());
    }
    return counts;
}

std::size_t TotalTerms(VsopCoordinate coordinate) {
    const std::vector<std::size_t> counts = TermCounts(coordinate);
    return std::accumulate(counts.begin(), counts.end(), std::size_t{0});
}

Term TermAt(const VsopSeries& series, std::size_t i) {
    return {series.A[i], series.B[i], series.C[i]};
}

void ExpectTerm(const VsopSeries& series, std::size_t i, Term expected) {
    ASSERT_LT(i, series.A.size());
    EXPECT_EQ(series.A[i], expected.A) << "term " << i;
    EXPECT_EQ(series.B[i], expected.B) << "term " << i;
    EXPECT_EQ(series.C[i], expected.C) << "term " << i;
}

bool Contains(const VsopSeries& series, Term term) {
    for (std::size_t i = 0; i < series.A.size(); ++i) {
        const Term t = TermAt(series, i);
        if (t.A == term.A && t.B == term.B && t.C == term.C) {
            return true;
        }
    }
    return false;
}

// Term counts per series, powers 0 upward, as listed in Bretagnon and Francou's
// notice of the VSOP87 files; Mercury's 98 terms printed with a zero amplitude
// are part of the published series.
struct PublishedBody {
    const char* name;
    const VsopTheory& theory;
    std::vector<std::size_t> L, B, R;
    std::size_t total;
    std::size_t zeroAmplitudes;
};

const PublishedBody PublishedBodies[] = {
    {"Earth", ConstEarth, {559, 341, 142, 22, 11, 5}, {184, 99, 49, 11, 5}, {526, 292, 139, 27, 10, 3}, 2425, 0},
    {"Mercury",
     ConstMercury,
     {1380, 839, 395, 153, 28, 13},
     {818, 494, 230, 53, 15, 10},
     {1215, 711, 326, 119, 18, 10},
     6827,
     98},
    {"Venus", ConstVenus, {367, 215, 70, 9, 5, 5}, {210, 133, 59, 15, 5, 4}, {330, 180, 63, 7, 3, 2}, 1682, 0},
    {"Mars",
     ConsMars,
     {1217, 686, 310, 129, 36, 15},
     {441, 287, 130, 41, 11, 5},
     {1118, 596, 313, 111, 28, 9},
     5483,
     0},
    {"Jupiter",
     ConstJupiter,
     {760, 369, 191, 109, 45, 10},
     {249, 141, 81, 42, 12, 5},
     {745, 381, 190, 98, 46, 9},
     3483,
     0},
    {"Saturn",
     ConstSaturn,
     {1152, 642, 321, 148, 68, 27},
     {500, 260, 111, 58, 26, 11},
     {1205, 639, 342, 157, 64, 28},
     5759,
     0},
    {"Uranus", ConstUrano, {947, 426, 151, 46, 7, 1}, {283, 154, 60, 16, 2}, {1124, 514, 192, 55, 11}, 3989, 0},
    {"Neptune", ConstNeptune, {423, 183, 57, 15, 2, 1}, {172, 82, 25, 9, 1, 1}, {607, 250, 72, 22, 7}, 1929, 0},
};

TEST(ConstTables, VsopTermCountsAreThoseOfThePublishedFiles) {
    std::size_t allBodies = 0;
    for (const PublishedBody& body : PublishedBodies) {
        SCOPED_TRACE(body.name);
        EXPECT_EQ(TermCounts(body.theory.L), body.L);
        EXPECT_EQ(TermCounts(body.theory.B), body.B);
        EXPECT_EQ(TermCounts(body.theory.R), body.R);
        const std::size_t total = TotalTerms(body.theory.L) + TotalTerms(body.theory.B) + TotalTerms(body.theory.R);
        EXPECT_EQ(total, body.total);
        allBodies += total;

        std::size_t zeroAmplitudes = 0;
        for (VsopCoordinate coordinate : {body.theory.L, body.theory.B, body.theory.R}) {
            for (const VsopSeries& series : coordinate) {
                ASSERT_EQ(series.B.size(), series.A.size());
                ASSERT_EQ(series.C.size(), series.A.size());
                zeroAmplitudes += std::count(series.A.begin(), series.A.end(), 0.0);
            }
        }
        EXPECT_EQ(zeroAmplitudes, body.zeroAmplitudes);
    }
    EXPECT_EQ(allBodies, 31577u);
}

TEST(ConstTables, VsopTellingRowsArePublishedValues) {
    struct Case {
        const char* name;
        const VsopSeries& series;
        std::size_t index;
        Term term;
    };
    const Case cases[] = {
        {"Earth L0", ConstEarth.L[0], 0, {1.75347045673, 0, 0}},
        {"Earth L0", ConstEarth.L[0], 1, {0.03341656456, 4.66925680417, 6283.0758499914}},
        {"Earth L0", ConstEarth.L[0], 2, {0.00034894275, 4.62610241759, 12566.1516999828}},
        {"Earth L1", ConstEarth.L[1], 0, {6283.31966747491, 0, 0}},
        {"Earth R0", ConstEarth.R[0], 0, {1.00013988799, 0, 0}},
        {"Earth R0", ConstEarth.R[0], 1, {0.01670699626, 3.09846350771, 6283.0758499914}},
        {"Earth B0", ConstEarth.B[0], 0, {2.7962e-6, 3.19870156017, 84334.66158130829}},
        {"Mercury L0", ConstMercury.L[0], 0, {4.40250710144, 0, 0}},
        {"Mercury L0", ConstMercury.L[0], 1, {0.40989414976, 1.48302034194, 26087.9031415742}},
        {"Mercury L1", ConstMercury.L[1], 0, {26088.14706222746, 0, 0}},
        {"Jupiter L0", ConstJupiter.L[0], 0, {0.59954691495, 0, 0}},
        {"Jupiter L0", ConstJupiter.L[0], 1, {0.09695898711, 5.06191793105, 529.6909650946}},
        {"Neptune R0", ConstNeptune.R[0], 0, {30.07013206102, 0, 0}},
        // Neptune's B4 and B5 each hold one term of the same frequency; B5 is
        // the term the authors' check values confirm, not a copy of B4.
        {"Neptune B4", ConstNeptune.B[4], 0, {5.728e-8, 2.66872693322, 38.1330356378}},
        {"Neptune B5", ConstNeptune.B[5], 0, {1.13e-9, 4.70646877989, 38.1330356378}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectTerm(c.series, c.index, c.term);
    }
}

TEST(ConstTables, MoonTellingRowsArePublishedValues) {
    struct Case {
        const char* name;
        LunarTerm actual, expected;
    };
    const Case cases[] = {
        {"longitude first", ConstMoon.Longitude.front(), {0, 0, 1, 0, 6288774}},
        {"longitude second", ConstMoon.Longitude[1], {2, 0, -1, 0, 1274027}},
        {"longitude last", ConstMoon.Longitude.back(), {2, 0, 3, 0, 294}},
        {"distance first", ConstMoon.Distance.front(), {0, 0, 1, 0, -20905355}},
        {"distance second", ConstMoon.Distance[1], {2, 0, -1, 0, -3699111}},
        {"distance last", ConstMoon.Distance.back(), {2, 0, -1, -2, 8752}},
        {"latitude first", ConstMoon.Latitude.front(), {0, 0, 0, 1, 5128122}},
        {"latitude second", ConstMoon.Latitude[1], {0, 0, 1, 1, 280602}},
        {"latitude last", ConstMoon.Latitude.back(), {2, -2, 0, 1, 107}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual.d, c.expected.d);
        EXPECT_EQ(c.actual.m, c.expected.m);
        EXPECT_EQ(c.actual.mp, c.expected.mp);
        EXPECT_EQ(c.actual.f, c.expected.f);
        EXPECT_EQ(c.actual.c, c.expected.c);
    }
}

// Meeus's tables have no zero coefficient (a missing row would leave one),
// |m| <= 2, and F appears with even multiples in table 47.A and odd ones in 47.B.
TEST(ConstTables, MoonRowsHaveTheStructureOfMeeussTables) {
    static_assert(ConstMoon.Longitude.size() == 59 && ConstMoon.Distance.size() == 46 &&
                  ConstMoon.Latitude.size() == 60);
    struct Table {
        const char* name;
        const LunarTerm* begin;
        const LunarTerm* end;
        bool oddF;
    };
    const Table tables[] = {
        {"longitude", ConstMoon.Longitude.begin(), ConstMoon.Longitude.end(), false},
        {"distance", ConstMoon.Distance.begin(), ConstMoon.Distance.end(), false},
        {"latitude", ConstMoon.Latitude.begin(), ConstMoon.Latitude.end(), true},
    };
    for (const Table& table : tables) {
        for (const LunarTerm* term = table.begin; term != table.end; ++term) {
            SCOPED_TRACE(std::string(table.name) + " row " + std::to_string(term - table.begin));
            EXPECT_NE(term->c, 0);
            EXPECT_LE(std::abs(term->m), 2);
            EXPECT_EQ(std::abs(term->f) % 2 == 1, table.oddF);
        }
    }
}

TEST(ConstTables, PlutoTellingValuesArePublishedValues) {
    const PlutoSeriesTables& p = ConstPlutoII;
    EXPECT_EQ(p.Frequencies[0], 6.45003954767e-5);
    EXPECT_EQ(p.Frequencies[81], 0.0714245719830324);
    EXPECT_EQ(p.Frequencies[1], 1.083248054773e-4);
    EXPECT_EQ(p.Frequencies[79], 0.0279624510118796);

    struct Case {
        const char* name;
        const PlutoCoordinate& coordinate;
        std::array<double, 4> polynomial;
        double firstCosine, firstSine;
    };
    const Case cases[] = {
        {"X", p.X, {98083308510, -1465718392, 11528487809, 55397965917}, -16338582222, -308294137468},
        {"Y", p.Y, {101846243715, 57789, -5487929294, 8520205290}, 299584895562, -53545027809},
        {"Z", p.Z, {2183700004, 433209785, -4911803413, -14029741184}, 98425296138, 76159403805},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.coordinate.Polynomial, c.polynomial);
        EXPECT_EQ(c.coordinate.Cosines.front(), c.firstCosine);
        EXPECT_EQ(c.coordinate.Sines.front(), c.firstSine);
    }
    EXPECT_EQ(p.Z.Cosines[105], 561);
    EXPECT_EQ(p.Z.Sines[105], 284);
}

// Within each group of terms (powers 0, 1, 2 of x) the frequencies strictly
// increase, and the Poisson terms reuse frequencies of the periodic terms.
TEST(ConstTables, PlutoFrequencyGroupsAreInPublishedOrder) {
    const auto& nu = ConstPlutoII.Frequencies;
    const std::pair<std::size_t, std::size_t> groups[] = {{0, 82}, {82, 101}, {101, 106}};
    for (const auto& [first, last] : groups) {
        SCOPED_TRACE("terms " + std::to_string(first) + " to " + std::to_string(last - 1));
        EXPECT_TRUE(std::adjacent_find(nu.begin() + first, nu.begin() + last, std::greater_equal<>{}) ==
                    nu.begin() + last);
    }
    EXPECT_EQ(nu[82], nu[1]);
    EXPECT_EQ(nu[101], nu[1]);
    EXPECT_EQ(nu[100], nu[79]);
    EXPECT_EQ(nu[105], nu[79]);
}

TEST(ConstTables, J2000EarthSeriesCountsAndSharedSeries) {
    const PlutoSeriesTables& p = ConstPlutoII;
    EXPECT_EQ(TermCounts(p.EarthL), (std::vector<std::size_t>{559, 341, 20, 7, 2}));
    EXPECT_EQ(TermCounts(p.EarthB), (std::vector<std::size_t>{184, 7, 4, 3, 2}));
    EXPECT_EQ(TotalTerms(p.EarthL) + TotalTerms(p.EarthB), 1129u);
    for (VsopCoordinate coordinate : {p.EarthL, p.EarthB}) {
        for (const VsopSeries& series : coordinate) {
            ASSERT_EQ(series.B.size(), series.A.size());
            ASSERT_EQ(series.C.size(), series.A.size());
        }
    }

    struct Shared {
        const char* name;
        const VsopSeries& j2000;
        const VsopSeries& ofDate;
        std::size_t from;  // first term that must be the same
    };
    const Shared shared[] = {
        {"L0", p.EarthL[0], ConstEarth.L[0], 0},
        {"B0", p.EarthB[0], ConstEarth.B[0], 0},
        {"L1", p.EarthL[1], ConstEarth.L[1], 1},
    };
    for (const Shared& s : shared) {
        SCOPED_TRACE(s.name);
        ASSERT_EQ(s.j2000.A.size(), s.ofDate.A.size());
        for (std::size_t i = s.from; i < s.ofDate.A.size(); ++i) {
            ExpectTerm(s.j2000, i, TermAt(s.ofDate, i));
        }
    }
    // The precession taken out of the mean motion in longitude (Meeus, ch. 26).
    ExpectTerm(p.EarthL[1], 0, {6283.07584999, 0, 0});
}

TEST(ConstTables, J2000EarthTellingRowsAreMeeussTermsInRadians) {
    const PlutoSeriesTables& p = ConstPlutoII;
    struct Case {
        const char* name;
        const VsopSeries& series;
        std::size_t index;
        Term term;
    };
    const Case cases[] = {
        {"L2", p.EarthL[2], 0, {8722e-8, 1.0725, 6283.0758}},
        {"L2", p.EarthL[2], 1, {991e-8, 3.1416, 0}},
        {"L3", p.EarthL[3], 1, {21e-8, 6.05, 12566.15}},
        {"B1", p.EarthB[1], 0, {227778e-8, 3.413766, 6283.07585}},
        {"B1", p.EarthB[1], 1, {3806e-8, 3.3706, 12566.1517}},
        {"B1", p.EarthB[1], 2, {3620e-8, 0, 0}},
        {"B1", p.EarthB[1], 6, {6e-8, 5.20, 2352.87}},
        {"B4", p.EarthB[4], 0, {6e-8, 2.27, 6283.08}},
        {"B4", p.EarthB[4], 1, {1e-8, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " term " + std::to_string(c.index));
        ExpectTerm(c.series, c.index, c.term);
    }
    EXPECT_TRUE(Contains(p.EarthL[2], {7e-8, 0.83, 775.52}));
}

}  // namespace
}  // namespace kalto
