#include "game/start_up.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

#include "model/catalog.h"
#include "model/config_file.h"
#include "model/game_context.h"
#include "model/games_file.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/player_name.h"
#include "store/durable_file.h"
#include "store/file_error.h"
#include "view/geometry/card_size.h"

namespace vis {

namespace {

constexpr std::string_view kTemplate = "[Program]";
constexpr std::size_t kCaptionGameLength = 50;
constexpr std::size_t kCaptionPlayerLength = 30;
constexpr std::string_view kScoringScheme = "01";
constexpr std::string_view kButtonFaceColour = "-2147483633";
constexpr std::array<std::string_view, 3> kFirstPlayers = {"Player 1", "Player 2", "Player 3"};
constexpr int kMaxUserKeys = 20;  // User001 .. User020

constexpr std::string_view kPoorDisplayAdvice =
    "At this time your video driver supports 256 colors or less. This program takes advantage "
    "of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher "
    "resolutions. \rIf your video driver allows High or True color mode settings (16 bit or 24 "
    "bit), modify your screen resolution using the Display Properties Settings in the Control "
    "Panel.";

// The numbers the state block keeps with leading zeros.
bool IsZeroPadded(StateField f) {
    return f.position == field::kBackCard.position || f.position == field::kCardSet.position ||
           f.position == field::kGameNumber.position;
}

void RemoveQuietly(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::remove(file, ec);
}

bool Exists(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::exists(file, ec);
}

// Stored relative names ("IMAGES\GAME0001.BMP") below the program directory.
std::filesystem::path Below(const std::filesystem::path& dir, std::string_view stored) {
    return dir / NativeRelativePath(stored);
}

void RemoveNumbered(const std::filesystem::path& dir, std::string_view prefix, int first, int last,
                    int digits, std::string_view suffix) {
    for (int n = first; n <= last; ++n)
        RemoveQuietly(Below(dir, std::string(prefix) + ZeroPad(n, digits) + std::string(suffix)));
}

}  // namespace

std::string ExpandTextTemplate(std::string_view text) {
    std::string result(text);
    if (const auto at = result.find(kTemplate); at != std::string::npos)
        result.replace(at, kTemplate.size(), kProductTitle);
    return result;
}

std::string MainWindowCaption(const GameContext& ctx) {
    const std::string game = ctx.state.Get(field::kGameName).substr(0, kCaptionGameLength);
    const std::string player = ctx.state.Get(field::kPlayer).substr(0, kCaptionPlayerLength);
    std::string caption = std::string(kProductTitle) + " [" + game + "]  [" + player + "]";
    const std::string deal = ctx.state.Get(field::kDealNumber);
    if (!deal.empty()) caption += "  [" + deal + "]";
    return caption;
}

void ResetStartUpState(GameContext& ctx) {
    for (const Flag f : {Flag::kHoldAndExitRequested, Flag::kGameInProgress, Flag::kClockRunning,
                         Flag::kDoubleClickHandled, Flag::kAnimationRunning, Flag::kGameWon})
        ctx.flags[f] = false;
    ctx.flags[Flag::kFirstActivationPending] = true;
    ctx.flags[Flag::kMoveExecuting] = true;
    ctx.game.smallScreenMessageShown[0] = false;
    ctx.game.smallScreenMessageShown[1] = false;
    ctx.game.lastPileSizeLabel = -1;
}

void LoadPreferences(GameContext& ctx, const DefaultContext& defaults) {
    const auto config = ConfigFilePath(ctx.state);
    DefaultContext context = defaults;
    context.cardsAnimate =
        ReadPref(config, kPreferenceSection, "Cards_Animate", "Y") == std::string_view("Y");
    for (const PreferenceKey& key : PreferenceKeys()) {
        if (!key.field) continue;
        const std::string fallback = DefaultValue(key, context);
        if (key.type == PrefType::kInteger) {
            const std::int32_t number =
                ReadPrefInt(config, kPreferenceSection, key.key, ParseInt(fallback).value_or(0));
            if (IsZeroPadded(*key.field))
                ctx.state.SetZeroPadded(*key.field, number);
            else
                ctx.state.SetDecimal(*key.field, number);
        } else {
            ctx.state.Set(*key.field, ReadPref(config, kPreferenceSection, key.key, fallback));
        }
    }
    ctx.game.foundationHighlightStyle = static_cast<std::int16_t>(
        ReadPrefInt(config, kPreferenceSection, "HighLights_Foundations_Mark", 0));
    ctx.state.Set(field::kScoringScheme, kScoringScheme);
    // Values older configurations may hold that the drawing cannot use.
    if (ctx.state.GetInt(field::kBackCard, 0) == 0) ctx.state.Set(field::kBackCard, "001");
    if (ctx.state.Get(field::kBackgroundColour) == "0")
        ctx.state.Set(field::kBackgroundColour, kButtonFaceColour);
    if (ctx.state.Get(field::kBackgroundPicture).empty())
        ctx.state.Set(field::kBackgroundPicture, "0");
}

void EnsureFirstRunPlayers(GameContext& ctx) {
    const auto config = ConfigFilePath(ctx.state);
    std::vector<std::string> refused;
    const std::string current = ReadPref(config, kPreferenceSection, kUserDefaultKey, "");
    if (!current.empty() && !IsStorablePlayerName(current)) {
        refused.push_back(PlayerNameProblem(current) + " (" + std::string(kUserDefaultKey) + ")");
        ctx.state.Set(field::kPlayer, "");
    }
    std::vector<std::string> players;
    std::vector<int> freeKeys;
    for (int n = 1; n <= kMaxUserKeys; ++n) {
        std::string name = ReadPref(config, kUsersSection, UserKey(n), "");
        if (name.empty())
            freeKeys.push_back(n);
        else if (IsStorablePlayerName(name))
            players.push_back(std::move(name));
        else
            refused.push_back(PlayerNameProblem(name) + " (" + UserKey(n) + ")");
    }
    if (!refused.empty()) {
        std::string message = ConfigFilePath(ctx.state).string();
        for (const auto& line : refused) message += "\r" + line;
        ctx.ui.ShowMessage(message + "\rSuch a name is left out of the players.");
    }
    if (!ctx.state.Get(field::kPlayer).empty()) return;

    // The players the file already names stay; the first of them becomes
    // current. Only a configuration without any gets the first run's three.
    if (!players.empty()) {
        std::sort(players.begin(), players.end(), [](const std::string& a, const std::string& b) {
            return ToUpperAscii(a) < ToUpperAscii(b);
        });
        ctx.state.Set(field::kPlayer, players.front());
        WritePref(config, kPreferenceSection, kUserDefaultKey, players.front());
        return;
    }
    ctx.state.Set(field::kPlayer, kFirstPlayer);
    WritePref(config, kPreferenceSection, kUserDefaultKey, kFirstPlayer);
    for (std::size_t i = 0; i < kFirstPlayers.size() && i < freeKeys.size(); ++i)
        WritePref(config, kUsersSection, UserKey(freeKeys[i]), kFirstPlayers[i]);
}

void CheckCurrentGame(GameContext& ctx) {
    const int game = ctx.state.GetInt(field::kGameNumber, -1);
    if (game < 0 || !GameName(ctx, game).empty()) return;
    ctx.state.SetZeroPadded(field::kGameNumber, -1);
    ctx.state.Set(field::kGameName, "");
}

void WriteVersionMarker(const std::filesystem::path& programDir) {
    const auto marker = programDir / kVersionMarkerFile;
    if (Exists(marker)) return;
    std::ofstream out(marker, std::ios::binary);
    out << kVersionMarkerText << "\r\n";
}

void RemoveOlderVersionFiles(const std::filesystem::path& dir) {
    if (Exists(Below(dir, "IMAGES\\GAME0000.BMP")))
        RemoveNumbered(dir, "IMAGES\\GAME", 0, 100, 4, ".BMP");
    if (Exists(Below(dir, "IMAGES\\WB001.BMP"))) {
        for (const std::string_view prefix : {"IMAGES\\WB", "IMAGES\\WM", "IMAGES\\WP"})
            RemoveNumbered(dir, prefix, 0, 25, 3, ".BMP");
    }
    if (Exists(Below(dir, "IMAGES\\CB001C.BMP"))) {
        for (const std::string_view suit : {"C.BMP", "D.BMP", "H.BMP", "S.BMP"}) {
            RemoveNumbered(dir, "IMAGES\\CB", 1, 5, 3, suit);
            RemoveQuietly(Below(dir, "IMAGES\\CM003" + std::string(suit)));
            RemoveQuietly(Below(dir, "IMAGES\\CL003" + std::string(suit)));
        }
    }
    RemoveQuietly(dir / "VISTRANE.DLL");
}

StartUpResult InitialiseGame(GameContext& ctx, const DefaultContext& display) {
    ResetStartUpState(ctx);
    const auto programDir = ProgramDir(ctx.state);
    {
        std::error_code ec;
        const auto dataDir = ConfigFilePath(ctx.state).parent_path();
        std::filesystem::create_directories(dataDir, ec);
        // What a rewrite killed half-way left behind.
        RemoveStaleTempFiles(dataDir);
    }
    LoadPreferences(ctx, display);
    if (display.screenColours <= kPlainColourLimit)
        ShowAdvice(ctx.ui, ConfigFilePath(ctx.state), std::string(kPoorDisplayAdvice),
                   kScreenUnder256ColoursKey, 0);
    try {
        EnsureFirstRunPlayers(ctx);
    } catch (const FileError&) {
        // A folder that cannot be written does not stop the start: the
        // program has said so, and the first player plays unsaved.
        if (ctx.state.Get(field::kPlayer).empty()) ctx.state.Set(field::kPlayer, kFirstPlayer);
    }
    ctx.state.Set(field::kRunWon, "0000");
    ctx.state.Set(field::kRunLost, "0000");
    ctx.rules.Clear();
    if (!Exists(programDir / kGamesFileName)) return StartUpResult::kGamesFileMissing;
    LoadCatalog(ctx);
    CheckCurrentGame(ctx);
    ApplyCardSize(ctx);
    UpdateShadowMargin(ctx);
    WriteVersionMarker(programDir);
    RemoveOlderVersionFiles(programDir);
    return StartUpResult::kReady;
}

}  // namespace vis
