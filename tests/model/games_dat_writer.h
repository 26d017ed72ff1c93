// Small games files and customized-games files for tests and benchmarks,
// written the way the games compiler and the customize dialog write them.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "model/text.h"

namespace vis::test {

// Every plain character stored as itself + 48, so no stored byte ends a line.
inline std::string Scramble(std::string_view plain) {
    std::string stored(plain);
    for (char& c : stored) c = static_cast<char>(static_cast<unsigned char>(c) + 48);
    return stored;
}

inline std::string PadLeft(std::string text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

struct CatalogEntry {
    int type = 5;
    int number = 0;
    std::string name;
    bool wide = false;     // needs a screen 650 pixels wide
    bool leftOut = false;  // "9": not taken into the catalog
};

// The plain catalog line: type, number, flags, name.
inline std::string CatalogLine(const CatalogEntry& entry) {
    return PadLeft(std::to_string(entry.type), 3) + " " + ZeroPad(entry.number, 3) +
           (entry.leftOut ? "9" : " ") + (entry.wide ? "1" : " ") + " " + PadOrCut(entry.name, 50);
}

// A rules row: the plain index, twelve unread characters, then one
// scrambled 10-character field and a separator per column.
inline std::string RuleRow(int index, const std::vector<std::string>& plainFields) {
    std::string row = PadLeft(std::to_string(index), 4) + PadOrCut(" rule", 12);
    for (const std::string& field : plainFields) row += Scramble(PadOrCut(field, 10) + " ");
    return row;
}

// Rows 1-388 for columns given as their non-zero rules.
inline std::vector<std::string> RuleRows(const std::vector<std::map<int, int>>& columns) {
    std::vector<std::string> rows;
    for (int index = 1; index < 389; ++index) {
        std::vector<std::string> fields;
        for (const auto& column : columns) {
            const auto it = column.find(index);
            fields.push_back(std::to_string(it == column.end() ? 0 : it->second));
        }
        rows.push_back(RuleRow(index, fields));
    }
    return rows;
}

inline std::string GamesDat(const std::vector<CatalogEntry>& catalog,
                            const std::vector<std::string>& rows) {
    std::string text = "[Sect1]\r\n";
    for (const CatalogEntry& entry : catalog) text += Scramble(CatalogLine(entry)) + "\r\n";
    text += "[Sect2]\r\n";
    for (const std::string& row : rows) text += row + "\r\n";
    return text;
}

struct CustomGameEntry {
    int number = 8000;
    std::string name;
    int base = 0;
    std::string overrideText;  // 7 characters
};

// "DATA\GAM_CUST.DAT": the version line, then blocks of 30 lines.
inline std::string CustomGamesDat(const std::vector<CustomGameEntry>& games) {
    std::string text = "[R-0301]\r\n";
    for (const CustomGameEntry& game : games) {
        text += ZeroPad(game.number, 4) + PadOrCut(game.name, 50) + ZeroPad(game.base, 4) + "\r\n";
        text += game.overrideText + "\r\n";
        for (int line = 2; line < 30; ++line) text += "\r\n";
    }
    return text;
}

}  // namespace vis::test
