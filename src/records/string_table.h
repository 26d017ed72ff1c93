// The numbered texts of the dialogs, looked up by the language base of the
// state block (field 68) plus the text's number, so that a second language
// is one more column of the table.
#pragma once

#include <string>
#include <string_view>

#include "model/state_block.h"

namespace vis {

inline constexpr int kEnglishLanguageBase = 20000;
inline constexpr int kItalianLanguageBase = 10000;

// The text numbered `offset` in the language whose base is
// `languageBase`; a language or a number the table does not hold falls
// back to English, and an unknown number to an empty text.
std::string_view LocalizedString(int languageBase, int offset);
// The same for the language of the state block.
std::string_view LocalizedString(const StateBlock& state, int offset);

// The numbers of the texts the dialogs use.
namespace text_id {
inline constexpr int kSaveGameCaption = 1601;
inline constexpr int kOpenGameCaption = 1602;
inline constexpr int kAddPlayerCaption = 1803;
inline constexpr int kEditPlayerCaption = 1804;
inline constexpr int kWonHeader = 1905;
inline constexpr int kLostHeader = 1906;
inline constexpr int kWonStreakMany = 1915;
inline constexpr int kLostStreakMany = 1916;
inline constexpr int kWonStreakOne = 1917;
inline constexpr int kLostStreakOne = 1918;
inline constexpr int kGameHeader = 1919;
inline constexpr int kLogDate = 2001;
inline constexpr int kLogStart = 2002;
inline constexpr int kLogTime = 2003;
inline constexpr int kLogGame = 2004;
inline constexpr int kLogResult = 2005;
inline constexpr int kLogScore = 2007;
inline constexpr int kLogPlayer = 2008;
inline constexpr int kLogWon = 2009;
inline constexpr int kLogLost = 2010;
}  // namespace text_id

}  // namespace vis
