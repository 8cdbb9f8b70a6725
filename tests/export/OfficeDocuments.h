// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading documents back through LibreOffice: its headless converter, and the
// text, tables and pictures of the flat OpenDocument (.fodt) it writes.

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalto::office {

inline bool HasProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

using test::ReadFile;

// Converts the documents into flat OpenDocument text beside them with one run
// of LibreOffice, using a private profile in `folder` so that a LibreOffice
// already running does not take the job. False when it failed; the log says why.
inline bool ConvertToFlatText(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& files) {
    std::string command = "cd '" + folder.string() + "' && timeout 300 soffice -env:UserInstallation=file://" +
                          folder.string() + "/profile --headless --convert-to fodt --outdir '" + folder.string() + "'";
    for (const auto& file : files) command += " '" + file.string() + "'";
    command += " >soffice.log 2>&1";
    return std::system(command.c_str()) == 0;
}

// The text of an XML fragment: tags dropped but for the blanks that
// OpenDocument writes as <text:s/> or <text:s text:c="3"/>, and the five
// predefined entities resolved.
inline std::string XmlText(std::string_view xml) {
    std::string text;
    for (std::size_t at = 0; at < xml.size();) {
        if (xml[at] != '<') {
            text += xml[at++];
            continue;
        }
        const std::size_t end = std::min(xml.find('>', at), xml.size() - 1);
        const std::string_view tag = xml.substr(at, end + 1 - at);
        if (tag.starts_with("<text:s/") || tag.starts_with("<text:s ")) {
            const std::size_t count = tag.find("text:c=\"");
            text.append(count == std::string_view::npos ? 1 : std::stoul(std::string(tag.substr(count + 8))), ' ');
        }
        at = end + 1;
    }
    const std::pair<std::string_view, std::string_view> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

// The words of a text with one blank between them: word processors keep runs
// of blanks in forms of their own (LibreOffice's flat files hold six-per-em
// spaces among them, and indent their XML), so texts compare by their words.
inline std::string Squeezed(std::string_view text) {
    std::string squeezed;
    bool blank = false;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 1;
        const auto byte = static_cast<unsigned char>(text[at]);
        bool isBlank = byte == ' ' || byte == '\n' || byte == '\t' || byte == '\r';
        if (text.substr(at).starts_with("\u00A0")) {
            isBlank = true;
            length = 2;
        } else if (text.substr(at).starts_with("\xE2\x80") && at + 2 < text.size() &&
                   static_cast<unsigned char>(text[at + 2]) <= 0x8A) {
            isBlank = true;  // U+2000 to U+200A
            length = 3;
        }
        if (isBlank) {
            blank = !squeezed.empty();
        } else {
            if (blank) squeezed += ' ';
            blank = false;
            squeezed.append(text.substr(at, length));
        }
        at += length;
    }
    return squeezed;
}

// The texts between each `open` … `close` pair.
inline std::vector<std::string> Elements(std::string_view xml, std::string_view open, std::string_view close) {
    std::vector<std::string> elements;
    for (std::size_t at = xml.find(open); at != std::string_view::npos; at = xml.find(open, at + 1)) {
        const std::size_t end = xml.find(close, at);
        if (end == std::string_view::npos) break;
        elements.emplace_back(xml.substr(at, end + close.size() - at));
    }
    return elements;
}

// The body of a converted document.
inline std::string DocumentBody(const std::string& flat) {
    const std::size_t body = flat.find("<office:body>");
    return body == std::string::npos ? std::string() : flat.substr(body);
}

// The text of each cell of each table row, in order.
inline std::vector<std::vector<std::string>> TableRows(std::string_view body) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& row : Elements(body, "<table:table-row", "</table:table-row>")) {
        std::vector<std::string> cells;
        for (const std::string& cell : Elements(row, "<table:table-cell", "</table:table-cell>")) {
            cells.push_back(Squeezed(XmlText(cell)));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

// An attribute such as svg:width="9.3752in" in inches.
inline double LengthInInches(std::string_view element, std::string_view attribute) {
    const std::string key = std::string(attribute) + "=\"";
    const std::size_t at = element.find(key);
    if (at == std::string_view::npos) return 0;
    const std::string value(element.substr(at + key.size(), element.find('"', at + key.size()) - at - key.size()));
    std::size_t unitAt = 0;
    const double number = std::stod(value, &unitAt);
    const std::string unit = value.substr(unitAt);
    if (unit == "in") return number;
    if (unit == "cm") return number / 2.54;
    if (unit == "mm") return number / 25.4;
    if (unit == "pt") return number / 72;
    ADD_FAILURE() << "unknown unit in " << value;
    return 0;
}

// The bytes of base64 text; blanks and line breaks are skipped.
inline std::vector<std::uint8_t> Base64Bytes(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        int value = -1;
        if (c >= 'A' && c <= 'Z')
            value = c - 'A';
        else if (c >= 'a' && c <= 'z')
            value = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            value = c - '0' + 52;
        else if (c == '+')
            value = 62;
        else if (c == '/')
            value = 63;
        if (value < 0) continue;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes.push_back(static_cast<std::uint8_t>((bits >> count) & 0xFF));
        }
    }
    return bytes;
}

}  // namespace kalto::office
