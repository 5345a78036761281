// The runner, drawn from a simple skeleton at four times the sheet's resolution and reduced,
// so the small figure keeps smooth outlines.
#include "runner.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kDesign = 128;  // design space, four times the sheet cell
constexpr float kGround = 117;
constexpr float kOutline = 4.0f;

const Rgba kInk = hex(0x171726);
const Rgba kSkin = hex(0xffd9bd);
const Rgba kShirt = hex(0xeef6ff);
const Rgba kShirtShade = hex(0xbcd0ea);
const Rgba kTrousers = hex(0x9fb6de);
const Rgba kTrousersShade = hex(0x7890bc);
const Rgba kBoot = hex(0x8a6d5a);
const Rgba kHelmet = hex(0xfff0a0);
const Rgba kHelmetShade = hex(0xd8bf5a);
const Rgba kLamp = hex(0xffffff);
const Rgba kHair = hex(0xc89a6a);

struct P {
    float x, y;
};

P along(P from, float angle, float length) {
    return {from.x + std::sin(angle) * length, from.y + std::cos(angle) * length};
}

void capsule(Canvas& c, P a, P b, float r, const Rgba& colour) {
    draw_line(c, a.x, a.y, b.x, b.y, 2 * r, colour);
}

// A two-segment limb with its outline; `end` adds a hand or a boot at the tip.
void limb(Canvas& c, P a, P b, P tip, float r, const Rgba& colour, const Rgba& end_colour,
          float end_r) {
    capsule(c, a, b, r + kOutline, kInk);
    capsule(c, b, tip, r + kOutline, kInk);
    fill_circle(c, tip.x, tip.y, end_r + kOutline, kInk);
    capsule(c, a, b, r, colour);
    capsule(c, b, tip, r, colour);
    fill_circle(c, tip.x, tip.y, end_r, end_colour);
}

void boot(Canvas& c, P ankle, float angle, const Rgba& colour) {
    // The boot points forward (+x) from the ankle, tilted by `angle`.
    P toe = {ankle.x + std::cos(angle) * 9, ankle.y + std::sin(angle) * 9};
    capsule(c, ankle, toe, 6.5f + kOutline, kInk);
    capsule(c, ankle, toe, 6.5f, colour);
}

enum class View { side, front, back };

void head(Canvas& c, P centre, View view, float look, bool blink, bool shout) {
    const float r = 16.5f;
    fill_circle(c, centre.x, centre.y, r + kOutline, kInk);
    fill_circle(c, centre.x, centre.y, r, kSkin);
    // Helmet: the top half of a slightly larger circle with a brim.
    float hr = r + 2.5f;
    float forward = view == View::side ? 1.0f : 0.0f;
    c.fill_sdf(
        [=](float x, float y) {
            float d = sd_circle(x, y, centre.x - forward * 1.5f, centre.y - 1, hr);
            return std::max(d, y - (centre.y - 2));
        },
        [=](float x, float) {
            return mix(kHelmet, kHelmetShade, clamp01((x - centre.x + 4) / (2 * hr)));
        },
        centre.x - hr - 2, centre.y - hr - 2, centre.x + hr + 2, centre.y);
    float brim_left = view == View::side ? centre.x - hr + 2 : centre.x - hr - 1;
    float brim_right = view == View::side ? centre.x + hr + 6 : centre.x + hr + 1;
    fill_rect(c, brim_left - 1.5f, centre.y - 4.5f, brim_right - brim_left + 3, 6, kInk, 3);
    fill_rect(c, brim_left, centre.y - 3.5f, brim_right - brim_left, 3.5f, kHelmetShade, 1.7f);
    if (view == View::back) {
        // Hair below the helmet and the lamp's strap.
        c.fill_sdf(
            [=](float x, float y) {
                return std::max(sd_circle(x, y, centre.x, centre.y, r), (centre.y + 1) - y);
            },
            [=](float x, float y) {
                float strand = std::sin((x - centre.x) * 0.9f) * 0.5f + 0.5f;
                return mix(kHair, scaled(kHair, 0.75f), strand * clamp01((y - centre.y) / r));
            },
            centre.x - r, centre.y, centre.x + r, centre.y + r);
        draw_line(c, centre.x - 14, centre.y + 1, centre.x + 14, centre.y + 1, 2.5f, kInk);
        return;
    }
    // The lamp.
    P lamp = view == View::side ? P{centre.x + 11, centre.y - 9} : P{centre.x, centre.y - 11};
    fill_circle(c, lamp.x, lamp.y, 5.5f, kInk);
    fill_circle(c, lamp.x, lamp.y, 4, kLamp);
    // Face.
    if (view == View::side) {
        float ex = centre.x + 8;
        if (blink) {
            draw_line(c, ex - 2, centre.y + 4, ex + 2, centre.y + 4, 2, kInk);
        } else {
            fill_circle(c, ex, centre.y + 4, 2.6f, kInk);
        }
        fill_circle(c, centre.x + r - 1, centre.y + 7, 3, kSkin);  // nose
        if (shout) {
            fill_circle(c, centre.x + 9, centre.y + 11, 2.5f, kInk);
        }
        return;
    }
    for (float side : {-1.0f, 1.0f}) {
        float ex = centre.x + side * 6 + look;
        if (blink) {
            draw_line(c, ex - 2.5f, centre.y + 4, ex + 2.5f, centre.y + 4, 2, kInk);
        } else {
            fill_circle(c, ex, centre.y + 4, 2.6f, kInk);
        }
    }
    if (shout) {
        c.fill_sdf(
            [=](float x, float y) {
                return std::hypot((x - centre.x - look) / 3.5f, (y - centre.y - 10) / 4.5f) - 1;
            },
            [](float, float) { return kInk; }, centre.x - 6, centre.y + 4, centre.x + 6,
            centre.y + 16, 0.25f);
    } else {
        draw_line(c, centre.x - 3 + look, centre.y + 10, centre.x + 3 + look, centre.y + 10, 1.8f,
                  kInk);
    }
}

void torso_side(Canvas& c, P hip, P neck) {
    capsule(c, hip, neck, 12 + kOutline, kInk);
    capsule(c, hip, neck, 12, kShirt);
    // A shaded back and a belt.
    P back_hip = {hip.x - 5, hip.y}, back_neck = {neck.x - 5, neck.y};
    capsule(c, back_hip, back_neck, 4, kShirtShade);
    P belt_a = along(hip, 0, -3);
    draw_line(c, belt_a.x - 9, belt_a.y, belt_a.x + 9, belt_a.y, 4, kInk);
}

void torso_front(Canvas& c, P hip, P neck, bool back) {
    float h = hip.y - neck.y;
    fill_rect(c, neck.x - 15 - kOutline, neck.y - kOutline, 30 + 2 * kOutline, h + 2 * kOutline,
              kInk, 10);
    fill_rect_paint(c, neck.x - 15, neck.y, 30, h, 9, [=](float x, float) {
        return mix(kShirt, kShirtShade, clamp01((x - neck.x + 2) / 14));
    });
    draw_line(c, hip.x - 12, hip.y - 3, hip.x + 12, hip.y - 3, 4, kInk);
    if (back) {
        // Braces crossing on the back.
        draw_line(c, neck.x - 8, neck.y + 2, hip.x + 7, hip.y - 5, 2.5f, kTrousersShade);
        draw_line(c, neck.x + 8, neck.y + 2, hip.x - 7, hip.y - 5, 2.5f, kTrousersShade);
    } else {
        fill_circle(c, neck.x, neck.y + 12, 1.6f, kShirtShade);
        fill_circle(c, neck.x, neck.y + 20, 1.6f, kShirtShade);
    }
}

// ---- side view (running and hanging), facing right ----

struct SidePose {
    P hip;
    float lean = 0;
    float thigh[2], shin[2];  // near, far
    float upper[2], fore[2];
    float boot_angle[2] = {0, 0};
    P hand_target[2];
    bool hands_fixed = false;  // hands placed at hand_target (hanging)
    bool blink = false;
};

float lowest_foot(const SidePose& p) {
    float low = -1e9f;
    for (int i = 0; i < 2; ++i) {
        P knee = along(p.hip, p.thigh[i], 19);
        P ankle = along(knee, p.shin[i], 18);
        low = std::max(low, ankle.y + 6.5f);
    }
    return low;
}

Canvas draw_side(const SidePose& p) {
    Canvas c(kDesign, kDesign);
    P neck = along(p.hip, kPi + p.lean, 28);
    P shoulder = along(neck, 0, 3);
    P head_c = along(neck, kPi + p.lean * 0.5f, 14);
    if (p.hands_fixed) {
        // Hanging: the head tips back so the raised arms pass in front of the face.
        head_c = {neck.x - 10, neck.y - 11};
    }
    auto draw_leg = [&](int i, bool far) {
        P knee = along(p.hip, p.thigh[i], 19);
        P ankle = along(knee, p.shin[i], 18);
        limb(c, p.hip, knee, ankle, 7.5f, far ? kTrousersShade : kTrousers,
             far ? kTrousersShade : kTrousers, 6.5f);
        boot(c, ankle, p.boot_angle[i], far ? scaled(kBoot, 0.8f) : kBoot);
    };
    auto draw_arm = [&](int i, bool far) {
        P elbow, hand;
        if (p.hands_fixed) {
            hand = p.hand_target[i];
            // Elbow bent outward between shoulder and hand.
            P mid = {(shoulder.x + hand.x) / 2, (shoulder.y + hand.y) / 2};
            float dx = hand.x - shoulder.x, dy = hand.y - shoulder.y;
            float len = std::hypot(dx, dy);
            float bend = std::max(0.0f, 29 * 29 / 4.0f - len * len / 4);
            float off = std::sqrt(bend);
            elbow = {mid.x + dy / len * off * 0.6f, mid.y - dx / len * off * 0.6f};
        } else {
            elbow = along(shoulder, p.upper[i], 15);
            hand = along(elbow, p.fore[i], 14);
        }
        limb(c, shoulder, elbow, hand, 5.5f, far ? kShirtShade : kShirt, kSkin, 6);
    };
    draw_arm(1, true);
    draw_leg(1, true);
    torso_side(c, p.hip, neck);
    draw_leg(0, false);
    head(c, head_c, View::side, 0, p.blink, false);
    draw_arm(0, false);
    return c;
}

SidePose run_pose(float phase) {
    SidePose p;
    float s = std::sin(2 * kPi * phase), co = std::cos(2 * kPi * phase);
    p.hip = {62, 78};
    p.lean = 0.22f;
    for (int i = 0; i < 2; ++i) {
        float sign = i == 0 ? 1.0f : -1.0f;
        float swing = sign * s;  // forward when positive
        float moving_forward = sign * co;
        p.thigh[i] = 0.8f * swing;
        float bend = 0.3f + 1.15f * std::max(0.0f, moving_forward);
        p.shin[i] = p.thigh[i] - bend;
        p.boot_angle[i] = -0.15f * std::max(0.0f, -swing) + 0.35f * std::max(0.0f, moving_forward);
        p.upper[i] = -0.95f * swing;
        p.fore[i] = p.upper[i] + 1.5f;
    }
    p.hip.y += kGround - lowest_foot(p);
    return p;
}

SidePose rope_pose(float phase) {
    SidePose p;
    float s = std::sin(2 * kPi * phase), co = std::cos(2 * kPi * phase);
    const float rope_y = 36;
    p.hip = {56 - 2 * s, 90};
    p.lean = -0.12f + 0.05f * s;
    p.hands_fixed = true;
    for (int i = 0; i < 2; ++i) {
        float sign = i == 0 ? 1.0f : -1.0f;
        float reach = sign * s;
        float lift = std::max(0.0f, sign * co) * 5;  // the moving hand comes off the rope
        p.hand_target[i] = {78 + 12 * reach, rope_y - lift + 3};
        p.thigh[i] = 0.85f + 0.25f * reach;
        p.shin[i] = p.thigh[i] - 1.7f - 0.2f * reach;
        p.boot_angle[i] = 0.5f;
    }
    return p;
}

// ---- front and back views (standing, falling, climbing) ----

struct FrontPose {
    P hip;
    float torso = 30;
    P knee[2], foot[2];  // left, right (as seen)
    P elbow[2], hand[2];
    float look = 0;
    bool blink = false;
    bool shout = false;
    View view = View::front;
};

Canvas draw_front(const FrontPose& p) {
    Canvas c(kDesign, kDesign);
    P neck = {p.hip.x, p.hip.y - p.torso};
    P head_c = {neck.x, neck.y - 13};
    for (int i = 0; i < 2; ++i) {
        float side = i == 0 ? -1.0f : 1.0f;
        P hip = {p.hip.x + side * 8, p.hip.y};
        limb(c, hip, p.knee[i], p.foot[i], 7.5f, i == 1 ? kTrousersShade : kTrousers, kBoot, 7.5f);
    }
    bool back = p.view == View::back;
    // Arms behind the body when seen from the front look wrong when raised, so they go last.
    torso_front(c, p.hip, neck, back);
    head(c, head_c, p.view, p.look, p.blink, p.shout);
    for (int i = 0; i < 2; ++i) {
        float side = i == 0 ? -1.0f : 1.0f;
        P shoulder = {neck.x + side * 13, neck.y + 5};
        limb(c, shoulder, p.elbow[i], p.hand[i], 5.5f, i == 1 ? kShirtShade : kShirt, kSkin, 6);
    }
    return c;
}

FrontPose stand_pose(int frame) {
    FrontPose p;
    float phase = 2 * kPi * frame / kRunnerFrames;
    float breath = std::sin(phase);
    p.hip = {64, 82};
    p.torso = 30 + breath * 1.2f;
    for (int i = 0; i < 2; ++i) {
        float side = i == 0 ? -1.0f : 1.0f;
        p.knee[i] = {64 + side * 9, 99};
        p.foot[i] = {64 + side * 10, kGround - 7.5f};
        float sway = breath * 1.5f * side;
        P shoulder = {64 + side * 13, p.hip.y - p.torso + 5};
        p.elbow[i] = {shoulder.x + side * 5, shoulder.y + 14};
        p.hand[i] = {shoulder.x + side * 6 + sway * 0.3f, shoulder.y + 27 - breath};
    }
    // The standing picture is shown still at whatever frame the last move left it on, so the
    // frames differ only by a breath.
    return p;
}

FrontPose fall_pose(int frame) {
    FrontPose p;
    float phase = 2 * kPi * frame / kRunnerFrames;
    p.hip = {64, 78};
    p.torso = 29;
    p.shout = true;
    for (int i = 0; i < 2; ++i) {
        float side = i == 0 ? -1.0f : 1.0f;
        float wave = std::sin(phase + i * kPi);
        P shoulder = {64 + side * 13, p.hip.y - p.torso + 5};
        p.elbow[i] = {shoulder.x + side * (13 + 2 * wave), shoulder.y - 8 + 3 * wave};
        p.hand[i] = {shoulder.x + side * (18 + 3 * wave), shoulder.y - 22 + 5 * wave};
        float kick = std::sin(phase + i * kPi + 1);
        p.knee[i] = {64 + side * (12 + 2 * kick), 94 + 3 * kick};
        p.foot[i] = {64 + side * (9 + 4 * kick), 110 - 2 * kick};
    }
    return p;
}

FrontPose climb_pose(float phase) {
    FrontPose p;
    float s = std::sin(2 * kPi * phase);
    p.view = View::back;
    p.hip = {64, 82 + 2 * std::cos(4 * kPi * phase)};
    p.torso = 30;
    for (int i = 0; i < 2; ++i) {
        float side = i == 0 ? -1.0f : 1.0f;
        float up = i == 0 ? s : -s;  // left hand and right foot move together
        P shoulder = {64 + side * 13, p.hip.y - p.torso + 5};
        p.hand[i] = {64 + side * 29, 36 - 14 * up};
        p.elbow[i] = {(shoulder.x + p.hand[i].x) / 2 + side * 6,
                      (shoulder.y + p.hand[i].y) / 2 + 4};
        float lift = std::max(0.0f, -up) * 12;
        p.foot[i] = {64 + side * 13, kGround - 7.5f - lift};
        p.knee[i] = {64 + side * (16 + lift * 0.4f), 99 - lift * 0.8f};
    }
    return p;
}

Canvas reduce(const Canvas& design) {
    return design.resized(kRunnerPixels, kRunnerPixels);
}

}  // namespace

Canvas runner_picture(int group, int frame) {
    float phase = static_cast<float>(frame) / kRunnerFrames;
    switch (group) {
        case 0:
            return draw_front(stand_pose(frame));
        case 1:
            return draw_side(run_pose(phase));
        case 2:
            return draw_side(run_pose(phase)).mirrored();
        case 3:
            return draw_front(fall_pose(frame));
        case 4:
            return draw_front(climb_pose(phase));
        case 5:
            return draw_front(climb_pose(1.0f - phase));
        case 6:
            return draw_side(rope_pose(phase));
        default:
            return draw_side(rope_pose(phase)).mirrored();
    }
}

SpriteSheet build_runner_sheet() {
    // The runner is drawn with its flip switch set, so the sheet holds upright pictures.
    SpriteSheet sheet(kRunnerGroups, kRunnerFrames, kRunnerPixels, kRunnerPixels, true);
    for (int g = 0; g < kRunnerGroups; ++g) {
        for (int f = 0; f < kRunnerFrames; ++f) {
            sheet.set(g, f, reduce(runner_picture(g, f)));
        }
    }
    return sheet;
}
