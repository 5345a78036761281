#pragma once

// Keys of the game's data files. The archive must be built with the key the game opens it with.
inline constexpr char kPackKey[] = "zmxncb571qwe8604poiu2953";
inline constexpr char kSettingsKey[] = "qzv";
inline constexpr char kSavedGameKey[] = "kt57w";
inline constexpr char kScoreKey[] = "mo#84v";
