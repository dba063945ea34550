// Start-up of the main window, resetting the board for a game, and the three ways out
// of the program (Esc, the menu command 終了 and the close box).
#include "game/form1.h"
#include "render/board_drawing.h"
#include "render/layout.h"
#include "support/settings.h"
#include "support/sound_module.h"

#include <filesystem>
#include <system_error>

namespace narabe {

namespace {

// How the sound library keeps a buffer: a sound effect, or the looping music.
constexpr std::int32_t MODE_EFFECT = 3;
constexpr std::int32_t MODE_MUSIC = 1;

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string(); // UTF-8 everywhere
    return std::string(text.begin(), text.end());
}

// The folder of the sounds and the help page: the data folder, or the current directory
// when none is given.
std::string startDirectory(const std::filesystem::path& dataDir) {
    if (!dataDir.empty()) return utf8(dataDir);
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec);
    return ec ? std::string{} : utf8(dir);
}

} // namespace

void Form1::Form_Load() {
    const SoundPorts sound{io_.sound, io_.boxes};
    // An empty data folder leaves the bare names, relative to the current directory.
    const std::filesystem::path& data = io_.dataDir;
    st_.SoundDevice = SoundInit(sound, io_.windowHandle);
    st_.SndOther = SoundLoad(sound, st_.SoundDevice, data / u8"その他.wav", MODE_EFFECT);
    st_.SndForbidden = SoundLoad(sound, st_.SoundDevice, data / u8"禁止.wav", MODE_EFFECT);
    st_.SndStone = SoundLoad(sound, st_.SoundDevice, data / u8"石打音.wav", MODE_EFFECT);
    st_.SndGameEnd = SoundLoad(sound, st_.SoundDevice, data / u8"終局.wav", MODE_EFFECT);
    st_.SndBgm = SoundLoad(sound, st_.SoundDevice, data / u8"BGM.wav", MODE_MUSIC);

    st_.StartDir = startDirectory(data);
    io_.frame.place(WINDOW_LEFT, WINDOW_TOP, WINDOW_WIDTH, WINDOW_HEIGHT);

    // The codes and geometry are compile-time constants; the window's green background
    // and solid fill style belong to the surface itself.
    st_.Turn = Stone::NOBODY;
    st_.ResumePending = NO;
    st_.LastX = 0;
    st_.LastY = 0;
    io_.menu.setChecked(MenuItem::BANGOU, false);
    st_.GameState = NO_GAME;
    st_.GameMode = NO_GAME;

    描画_文字列(io_.surface, COLUMN_LETTERS_TEXT, COLUMN_LETTERS, TEXT_COLOUR);
    for (int i = FIRST_POINT; i <= LAST_POINT; ++i)
        描画_文字列(io_.surface, 0, i + ROW_NUMBER_DROP, i, TEXT_COLOUR, ROW_NUMBER_SIZE);

    読込_環境設定ファイル({io_.menu, io_.sound}, st_.SndBgm, settingsFile());
    初期設定();

    fillCentreBonus(st_);
    st_.調査_保存(st_.MoveCount);
    描画_盤(io_.surface, st_.Board);
    copyPictureAt(io_.surface, Picture::PG_NAME, TITLE_AT);
}

void Form1::初期設定() {
    描画_四角形(io_.surface, SIDE_PANEL, BACK_COLOUR); // clears the player panel
    clearForNewGame(st_, [this](int x, int y) { 描画_桝(io_.surface, x, y); });
}

void Form1::Form_KeyPress(int key) {
    if (key != KEY_ESC) return;
    終了処理();
    endProgram();
}

void Form1::Form_Unload() {
    終了処理();
    endProgram();
}

void Form1::SYURYOU_Click() {
    終了処理();
    endProgram();
}

void Form1::終了処理() {
    io_.sound.dsFree(st_.SndOther);
    io_.sound.dsFree(st_.SndForbidden);
    io_.sound.dsFree(st_.SndStone);
    io_.sound.dsFree(st_.SndGameEnd);
    io_.sound.dsFree(st_.SndBgm);
    SoundTerm({io_.sound, io_.boxes}, st_.SoundDevice);
}

void Form1::endProgram() {
    ended_ = true;
    io_.program.end();
}

void Form1::BGM_Click() {
    command([this] {
        if (io_.menu.checked(MenuItem::BGM)) {
            io_.menu.setChecked(MenuItem::BGM, false);
            io_.sound.dsStop(st_.SndBgm);
        } else {
            io_.menu.setChecked(MenuItem::BGM, true);
            io_.sound.dsPlayLooping(st_.SndBgm);
        }
        saveOptions();
    });
}

const std::filesystem::path& Form1::settingsFile() const {
    return io_.settingsFile.empty() ? SETTINGS_FILE : io_.settingsFile;
}

void Form1::saveOptions() {
    書込_環境設定ファイル({io_.menu, io_.sound}, st_.SndBgm, settingsFile());
}

} // namespace narabe
