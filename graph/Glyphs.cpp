// SPDX-License-Identifier: GPL-3.0-or-later
#include "Glyphs.h"

#include "Bodies.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace kalto {

namespace {

// A glyph as rows of text, '#' black and '.' white.
template <std::size_t Size>
using Pattern = std::array<std::string_view, Size>;

template <std::size_t Size>
constexpr bool WellFormed(const Pattern<Size>& pattern) {
    for (const std::string_view row : pattern) {
        if (row.size() != Size || row.find_first_not_of(".#") != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

template <std::size_t Size, std::size_t Count>
constexpr bool AllWellFormed(const std::array<Pattern<Size>, Count>& patterns) {
    for (const Pattern<Size>& pattern : patterns) {
        if (!WellFormed(pattern)) {
            return false;
        }
    }
    return true;
}

// The zodiac signs after their usual symbols, Aries to Pisces.
constexpr std::array<Pattern<SignGlyphSize>, 12> SignPatterns{{
    {"...........",  // Aries: the ram's horns
     ".##.....##.", "#..#...#..#", "#...#.#...#", "....#.#....", ".....#.....", ".....#.....", ".....#.....",
     ".....#.....", ".....#.....", "..........."},
    {"#.........#",  // Taurus: the bull's head
     ".#.......#.", "..##...##..", "....###....", "...#...#...", "..#.....#..", "..#.....#..", "..#.....#..",
     "...#...#...", "....###....", "..........."},
    {"...........",  // Gemini: the twins
     ".#.......#.", "..#######..", "...#...#...", "...#...#...", "...#...#...", "...#...#...", "...#...#...",
     "..#######..", ".#.......#.", "..........."},
    {"...........",  // Cancer: the two claws
     "..#######..", ".##......#.", "#..#.......", "#..#.......", ".##........", "........##.", ".......#..#",
     ".......#..#", ".#......##.", "..#######.."},
    {"...........",  // Leo: the mane and tail
     ".....###...", "....#...#..", "....#...#..", "..###...#..", ".#..#...#..", ".#..#...#..", "..##....#..",
     "........#..", ".........##", "..........."},
    {"...........",  // Virgo: m with a closed loop
     "#.#..#.....", "##.##.#....", "#..#..#.##.", "#..#..##..#", "#..#..#...#", "#..#..#..#.", "#..#..#.#..",
     "#..#..##...", ".....##....", "....#......"},
    {"...........",  // Libra: the scales
     "...........", "....###....", "...#...#...", "..#.....#..", "..#.....#..", "###.....###", "...........",
     "###########", "...........", "..........."},
    {"...........",  // Scorpio: m with the sting
     "#.#..#.....", "##.##.#....", "#..#..#....", "#..#..#....", "#..#..#....", "#..#..#....", "#..#..#..#.",
     "#..#...####", ".........#.", "..........."},
    {"...........",  // Sagittarius: the arrow
     "......#####", ".........##", "........#.#", ".......#..#", "..#...#....", "...#.#.....", "....#......",
     "...#.#.....", "..#...#....", ".#........."},
    {"...........",  // Capricorn: the goat's horn and fish tail
     "#..#.......", ".##.#......", ".#..#......", ".#..#..##..", ".#..#.#..#.", ".#..##...#.", ".#..#.#.#..",
     ".....#.#...", "....#......", "...#......."},
    {"...........",  // Aquarius: the waves
     "...........", "..#...#...#", ".#.#.#.#.#.", "#...#...#..", "...........", "..#...#...#", ".#.#.#.#.#.",
     "#...#...#..", "...........", "..........."},
    {"...........",  // Pisces: the two fishes
     ".#.......#.", "..#.....#..", "...#...#...", "...#...#...", "###########", "...#...#...", "...#...#...",
     "..#.....#..", ".#.......#.", "..........."},
}};

// Circle, square, triangle, asterisk.
constexpr std::array<Pattern<PointGlyphSize>, 4> PointPatterns{{
    {".###.", "#####", "#####", "#####", ".###."},
    {"#####", "#####", "#####", "#####", "#####"},
    {"..#..", "..#..", ".###.", ".###.", "#####"},
    {"..#..", "#.#.#", ".###.", "#.#.#", "..#.."},
}};

// The bodies after their astronomical symbols, Sun to the ascending node.
constexpr std::array<Pattern<BodyGlyphSize>, LastComputedBody> BodyPatterns{{
    {"...####...",  // Sun: circle with a dot
     ".##....##.", ".#......#.", "#........#", "#...##...#", "#...##...#", "#........#", ".#......#.", ".##....##.",
     "...####..."},
    {"..####....",  // Moon: the crescent
     "....###...", ".....###..", "......##..", "......###.", "......###.", "......##..", ".....###..", "....###...",
     "..####...."},
    {".#.....#..",  // Mercury: horns, circle and cross
     "..#####...", ".#.....#..", ".#.....#..", ".#.....#..", "..#####...", "....#.....", "..#####...", "....#.....",
     "....#....."},
    {"..#####...",  // Venus: circle and cross
     ".#.....#..", ".#.....#..", ".#.....#..", ".#.....#..", "..#####...", "....#.....", "..#####...", "....#.....",
     "....#....."},
    {"......####",  // Mars: circle and arrow
     "........##", ".......#.#", "..###.#..#", ".#...#....", "#.....#...", "#.....#...", "#.....#...", ".#...#....",
     "..###....."},
    {"..##......",  // Jupiter
     ".#..#.....", "....#..#..", "....#..#..", "...#...#..", "..#....#..", ".#########", ".......#..", ".......#..",
     ".......#.."},
    {"..#.......",  // Saturn: cross and sickle
     "#####.....", "..#.......", "..#.###...", "..##...#..", "..#....#..", "..#...#...", "..#..#....", ".....#....",
     "......##.."},
    {"#...#...#.",  // Uranus: H over a circle
     "#...#...#.", "#########.", "#...#...#.", "#...#...#.", "....#.....", "...###....", "..#...#...", "..#...#...",
     "...###...."},
    {"#...#...#.",  // Neptune: the trident
     "#..###..#.", "#...#...#.", "#...#...#.", ".#..#..#..", "..#####...", "....#.....", "..#####...", "....#.....",
     "....#....."},
    {"#####.....",  // Pluto: the P-L monogram
     "#....#....", "#....#....", "#....#....", "#####.....", "#.........", "#.........", "#.........", "#.........",
     "######...."},
    {"..######..",  // Ascending node: the horseshoe
     ".#......#.", "#........#", "#........#", "#........#", ".#......#.", ".#......#.", "###....###", "#.#....#.#",
     "###....###"},
}};

static_assert(AllWellFormed(SignPatterns) && AllWellFormed(PointPatterns) && AllWellFormed(BodyPatterns));

template <std::size_t Size>
QImage GlyphImage(const Pattern<Size>& pattern) {
    constexpr int side = static_cast<int>(Size);
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool black = pattern[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
            image.setPixel(x, y, black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return image;
}

template <std::size_t Size, std::size_t Count>
std::array<QImage, Count> GlyphImages(const std::array<Pattern<Size>, Count>& patterns) {
    std::array<QImage, Count> images;
    for (std::size_t i = 0; i < Count; ++i) {
        images[i] = GlyphImage(patterns[i]);
    }
    return images;
}

}  // namespace

const QImage& SignGlyph(int sign) {
    static const std::array<QImage, 12> images = GlyphImages(SignPatterns);
    return images.at(static_cast<std::size_t>(sign));
}

const QImage& PointGlyph(int choice) {
    static const std::array<QImage, 4> images = GlyphImages(PointPatterns);
    return images.at(static_cast<std::size_t>(choice));
}

const QImage& BodyGlyph(int body) {
    static const std::array<QImage, LastComputedBody> images = GlyphImages(BodyPatterns);
    return images.at(static_cast<std::size_t>(body - FirstBody));
}

QImage TintedGlyph(const QImage& glyph, QColor color) {
    QImage tinted = glyph.convertToFormat(QImage::Format_RGB32);
    const QRgb ink = color.rgb();
    for (int y = 0; y < tinted.height(); ++y) {
        for (int x = 0; x < tinted.width(); ++x) {
            tinted.setPixel(x, y, qGray(tinted.pixel(x, y)) < 128 ? ink : qRgb(255, 255, 255));
        }
    }
    return tinted;
}

}  // namespace kalto
