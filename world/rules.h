#pragma once

// Levels in each of the two level sets, numbered from 1.
constexpr int kLevelsPerSet = 75;

// Points of the game world's events.
constexpr int kGoldPoints = 250;
constexpr int kTrapPoints = 75;
constexpr int kBuryPoints = 75;

// Sound events, numbered as the sound bank's effects of the normal set; the classic set adds
// kClassicOffset.
enum SoundEvent : int {
    kSoundDig = 0,
    kSoundGold = 1,
    kSoundCaught = 2,
    kSoundLastGold = 3,
    kSoundExit = 4,
    kSoundBonusLife = 5,
};
constexpr int kClassicOffset = 6;

// The runner's dig cooldown after every press of the fire key.
constexpr unsigned kDigCooldownMs = 500;
