#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "world/animation.h"
#include "world/grid.h"

struct WorldContext;
class Playfield;
class Guard;

// What an actor is doing; each state shows its own group of the actor sprite.
enum ActorState : int {
    kStanding = 0,
    kRunLeft = 1,
    kRunRight = 2,
    kClimbUp = 3,
    kClimbDown = 4,
    kRopeLeft = 5,
    kRopeRight = 6,
    kFalling = 7,
};

// Groups of the actor sheet.
enum ActorGroup : int {
    kGroupStand = 0,
    kGroupRight = 1,
    kGroupLeft = 2,
    kGroupFall = 3,
    kGroupUp = 4,
    kGroupDown = 5,
    kGroupRopeRight = 6,
    kGroupRopeLeft = 7,
};

// The session's guard list, in level order; it owns the guards.
using GuardList = std::vector<std::unique_ptr<Guard>>;

// The player's actor, and the base of the guards, which share its movement rules. Movement
// decisions (direction changes, blocking, ladders) are taken only near a cell's centre.
class Runner {
  public:
    Runner(WorldContext& ctx, Playfield& field, const GuardList& guards);
    virtual ~Runner() = default;
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    virtual void update(int elapsed_ms);
    virtual bool is_carrying_gold() const { return false; }
    virtual void fall();
    // One step along the row: dir 1 to the right, -1 to the left.
    virtual void move_across(int dir);
    virtual void move_up();
    virtual void move_down();
    // Starts a fall when nothing holds the actor in cell (c, r); true when it did.
    virtual bool check_fall(int c, int r);

    // True when no guard other than self has reserved the cell as its target.
    bool is_cell_free(int c, int r, const Runner* self) const;
    // Caught by a guard.
    void die();
    // Steps back from a hole just dug until near a cell's centre, then checks for a fall.
    void push_back();

    const Pos& pos() const { return m_pos; }
    void set_pos(const Pos& p) { m_pos = p; }
    int state() const { return m_state; }
    void set_state(int s) { m_state = s; }
    int group() const { return m_animation.m_group; }
    int facing() const { return m_facing; }
    bool dead() const { return m_dead; }
    bool moved() const { return m_moved; }
    int score() const { return m_score; }
    // Hands over the points earned since the last call.
    int take_score();
    uint32_t dig_cooldown() const { return m_dig_cooldown; }
    float speed() const { return m_speed; }
    const Animation& animation() const { return m_animation; }
    CellCoord cell() const { return grid_cell_of(m_pos); }

  protected:
    bool key_down(int code) const;
    bool is_near() const;
    void select_group(int g) { m_animation.set_group(g); }
    void animate(uint32_t ms) { m_animation.advance(ms); }
    // Kind of a cell: 0 for an empty one.
    int kind_at(int c, int r) const;
    bool is_blocking(int c, int r) const;
    bool is_passable_at(int c, int r) const;
    // Whether the cell below lets an actor drop into it (the guard reservation is separate).
    bool is_drop_cell(int c, int r) const;

    WorldContext& m_ctx;
    Playfield& m_field;
    const GuardList& m_guards;
    Animation m_animation;
    Pos m_pos;
    int m_score = 0;
    int m_state = kStanding;
    float m_speed = 4.0f;
    uint32_t m_dig_cooldown = 0;
    int m_facing = 1;
    bool m_dead = false;
    bool m_moved = false;
    bool m_caught = false;
    float m_near_radius = 7.0f;
};
