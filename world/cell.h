#pragma once

#include <cstdint>
#include <memory>

#include "world/animation.h"
#include "world/grid.h"

struct WorldContext;

// The kinds of cell objects; the actors' rules compare these numbers.
enum CellKind : int {
    kBrick = 1,
    kSolid = 2,
    kFalseBrick = 3,
    kLadder = 4,
    kHiddenLadder = 5,
    kGold = 6,
    kRope = 7,
};

// One object in a grid cell. The base is a solid block: impassable, inert.
class Cell {
  public:
    Cell(WorldContext& ctx, int kind, Animation animation);
    virtual ~Cell() = default;
    Cell(const Cell&) = delete;
    Cell& operator=(const Cell&) = delete;

    virtual bool is_passable() const { return false; }
    virtual void activate() {}
    virtual void tick() {}

    int kind() const { return m_kind; }
    Animation& animation() { return m_animation; }
    const Animation& animation() const { return m_animation; }
    // Moves the cell's picture to a position (cells sit at their cell's centre, z 0).
    void place(const Pos& p);

  protected:
    WorldContext& m_ctx;
    int m_kind;
    Animation m_animation;
};

// False brick, ladder, rope and gold: actors pass through them.
class PassableCell : public Cell {
  public:
    using Cell::Cell;
    bool is_passable() const override { return true; }
};

// Invisible and not climbable until the last gold is taken; then it becomes a ladder.
class HiddenLadderCell : public PassableCell {
  public:
    using PassableCell::PassableCell;
    void activate() override;
};

// A brick keeps the life cycle of the hole dug into it.
class BrickCell : public Cell {
  public:
    enum Stage : int { kDigging = 0, kOpen = 1, kClosing = 2, kClosed = 3 };

    BrickCell(WorldContext& ctx, Animation animation);

    bool is_passable() const override { return m_is_open; }
    void activate() override;
    void tick() override;

    int stage() const { return m_stage; }
    uint32_t open_time_left() const { return m_open_time_left; }
    // Takes over the hole of another brick (a change of skin during play).
    void take_hole_from(const BrickCell& other);

  private:
    bool m_is_open = false;
    uint32_t m_open_time_left = 0;
    int m_stage = kClosed;
};

// Kinds that neither hold an actor nor stop it: an empty cell (0), gold, a false brick and a
// hidden ladder not yet shown. Actors fall through them and walk into them; a rope or ladder
// holds, a brick holds until a hole is dug in it.
inline bool is_open_kind(int kind) {
    return kind == 0 || kind == kGold || kind == kFalseBrick || kind == kHiddenLadder;
}

// Builds the cell object of a kind from the current skin, set up for its place (c, r).
std::unique_ptr<Cell> make_cell(WorldContext& ctx, int kind, int c, int r);

// A decorative light of the skin, animated with its own random group, frame and pace.
class Light {
  public:
    Light(WorldContext& ctx, int c, int r);
    void tick();
    const Animation& animation() const { return m_animation; }

  private:
    Animation m_animation;
};
