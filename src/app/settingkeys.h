#pragma once

// Every key of the settings store, declared once with its default. Code reads
// and writes through these names and never repeats a default. A key whose
// default depends on the caller (a dialog's own font size) or on the machine
// (a screen size) has an empty default here and the caller passes its own.

namespace klangtruhe {

struct SettingKey {
    const char *name;
    const char *defaultValue;
};

inline constexpr const char *kApplicationName = "KlangtruhePlayer";
inline constexpr const char *kVolumeApplicationName = "KlangtruheVolume";
inline constexpr const char *kOptionsSection = "Options";

namespace keys {

// Main window placement and start-up
inline constexpr SettingKey WindowState{"WindowState", "0"};
inline constexpr SettingKey AusgabeboxLeft{"AusgabeboxLeft", "0"};
inline constexpr SettingKey AusgabeboxTop{"AusgabeboxTop", "0"};
inline constexpr SettingKey AusgabeboxWidth{"AusgabeboxWidth", "15225"};
inline constexpr SettingKey AusgabeboxHeight{"AusgabeboxHeight", "10725"};
inline constexpr SettingKey ProgrammName{"ProgrammName", ""};
inline constexpr SettingKey ErscheinungsJahr{"ErscheinungsJahr", ""};
inline constexpr SettingKey HaekchenBildpfad{"HäkchenBildpfad", ""};

// Menu check marks
inline constexpr SettingKey Laufschrift{"Laufschrift", "ein"};
inline constexpr SettingKey MiniPlayerOnTop{"MiniPlayerOnTop", "True"};
inline constexpr SettingKey BildLadePfad{"BildLadePfad", "True"};
inline constexpr SettingKey WinMediaPlayer{"WinMediaPlayer", "True"};
inline constexpr SettingKey WinMediaPlayerVisualisierung{"WinMediaPlayerVisualisierung", "1"};
inline constexpr SettingKey Lautsprecherregler{"Lautsprecherregler", "False"};

// Fonts; the start-up default size is 8, dialogs pass their own.
inline constexpr SettingKey ProgSchriftName{"ProgSchriftName", "Segoe UI"};
inline constexpr SettingKey ProgSchriftSize{"ProgSchriftSize", "8"};
inline constexpr const char *kDialogFontSize = "10";
inline constexpr const char *kFontDialogFontSize = "12";

// Catalogue
inline constexpr SettingKey ArchivPfad{"ArchivPfad", ""};
inline constexpr SettingKey Data1RecordSource{"Data1RecordSource", "select * from Schallplatten order by Band, LPTitel"};
inline constexpr SettingKey TabellenName{"TabellenName", "alle"};
inline constexpr SettingKey Ordnerpfad{"Ordnerpfad", ""};                     // + 0..9
inline constexpr SettingKey TabelleAnordnenCaption{"TabelleAnordnenCaption", ""}; // + 0..17; default: field name + "1"
inline constexpr SettingKey Spaltenbreite{"Spaltenbreite", "1000"};           // + 0..17
inline constexpr SettingKey TopRow{"TopRow", "0"};
inline constexpr SettingKey TableNotSort{"TableNotSort", "0"};
// How many daily backups "Sicherungen" beside the catalogue keeps.
inline constexpr SettingKey SicherungenAnzahl{"SicherungenAnzahl", "10"};
// Folders of another machine and where they lie here ("D:\Musik\|/home/anna/Musik/|...").
inline constexpr SettingKey Pfadzuordnung{"Pfadzuordnung", ""};

// Player
inline constexpr SettingKey ShuffleSongProCD{"ShuffleSongProCD", "1"};
inline constexpr SettingKey TracksAnspielen{"TracksAnspielen", "10"};
inline constexpr SettingKey PauseZwischenTracks{"PauseZwischenTracks", "0"};

// Sleep: fade the last track out; only stop playing instead of ending the program
inline constexpr SettingKey SleepSanftAusblenden{"SleepSanftAusblenden", "0"};
inline constexpr SettingKey SleepNurAnhalten{"SleepNurAnhalten", "0"};

// Mini player and volume tool
inline constexpr SettingKey MiniPlayerTop{"MiniPlayerTop", ""}; // default: screen height - height - 550
inline constexpr SettingKey MiniPlayerLeft{"MiniPlayerLeft", "50"};
inline constexpr SettingKey MiniPlayerHorizontalTop{"MiniPlayerHorizontalTop", "0"};
inline constexpr SettingKey MiniPlayerHorizontalLeft{"MiniPlayerHorizontalLeft", "0"};
inline constexpr SettingKey MiniPlayerVertikalTop{"MiniPlayerVertikalTop", "0"};
inline constexpr SettingKey MiniPlayerVertikalLeft{"MiniPlayerVertikalLeft", "0"};
inline constexpr SettingKey VolumeMiniplayerLeft{"MiniplayerLeft", ""}; // under KlangtruheVolume
inline constexpr SettingKey VolumeMiniplayerTop{"MiniplayerTop", ""};   // under KlangtruheVolume

// External media player window
inline constexpr SettingKey WinMediaPlayerWindowState{"WinMediaPlayerWindowState", "0"};
inline constexpr SettingKey WinMediaPlayerLeft{"WinMediaPlayerLeft", "0"};
inline constexpr SettingKey WinMediaPlayerTop{"WinMediaPlayerTop", "0"};
inline constexpr SettingKey WinMediaPlayerWidth{"WinMediaPlayerWidth", "15225"};
inline constexpr SettingKey WinMediaPlayerHeight{"WinMediaPlayerHeight", "10725"};

// Exclusion lists
inline constexpr SettingKey Ausschlussliste{"Ausschlussliste", ""};
inline constexpr SettingKey BandAusschlussliste{"BandAusschlussliste", ""};

// Texts, tips, help
inline constexpr SettingKey SeitenrandLinks{"SeitenrandLinks", "50"};
inline constexpr SettingKey SeitenrandRechts{"SeitenrandRechts", "100"};
inline constexpr SettingKey ShowTipsAtStartup{"Show Tips at Startup", "1"};
inline constexpr SettingKey Update{"Update", ""};

// Reports: the folder of the last CSV export or chart picture, the last chart shown.
inline constexpr SettingKey BerichtOrdner{"BerichtOrdner", ""};
inline constexpr SettingKey StatistikSeite{"StatistikSeite", "0"};

} // namespace keys
} // namespace klangtruhe
