// SPDX-License-Identifier: GPL-3.0-or-later
#include "Chart.h"

#include <algorithm>
#include <cmath>

namespace kalto {

namespace {

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

}  // namespace

std::optional<std::string> PointNameProblem(const Chart& chart, std::string_view name, const ChartPoint* except) {
    if (name.empty()) {
        return "el punto necesita un nombre";
    }
    if (name.front() == ' ' || name.back() == ' ') {
        return "el nombre " + Quoted(name) + " no puede empezar ni acabar en blanco";
    }
    if (std::any_of(name.begin(), name.end(), [](char c) { return c == '=' || IsControl(c); })) {
        return "el nombre " + Quoted(name) + " no puede llevar «=» ni saltos de línea";
    }
    if (name.front() == ';' || name.front() == '#' || name.front() == '[') {
        return "el nombre " + Quoted(name) + " no puede empezar por «;», «#» ni «[»";
    }
    for (const ChartPoint& point : chart.Points) {
        if (&point != except && SameIgnoringCase(point.Name, name)) {
            return "la carta ya tiene un punto " + Quoted(point.Name);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ChartNameProblem(std::string_view name) {
    if (name.empty()) {
        return "la carta necesita un nombre";
    }
    if (std::any_of(name.begin(), name.end(), IsControl)) {
        return "el nombre de la carta no puede llevar saltos de línea";
    }
    return std::nullopt;
}

double NormalizedLongitude(double degrees) noexcept {
    double reduced = std::fmod(degrees, 360.0);
    if (reduced < 0) reduced += 360.0;
    return reduced < 360.0 ? reduced : 0.0;  // a tiny negative rounds up to 360
}

}  // namespace kalto
