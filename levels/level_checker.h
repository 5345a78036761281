#pragma once

#include <string>
#include <vector>

// Proves that a level file can be finished. The checker reads the level text into its own small
// grid and builds the runner's move graph under the game's movement rules with the guards left
// out: a node is a cell the runner can be in, an edge one way of getting from a cell to another
// (running, hanging on a rope, climbing, dropping, falling cell by cell, digging a hole and
// dropping through it). Gold passed on the way is taken, as in the game.

// The level as the checker sees it: one character per cell, the solid border included.
class LevelGrid {
  public:
    static constexpr int kColumns = 34;  // 0 and 33 are the solid border
    static constexpr int kRows = 23;     // 22 is the solid border
    static constexpr int kFileColumns = 32;
    static constexpr int kFileRows = 22;
    static constexpr int kFileSize = kFileRows * (kFileColumns + 1);

    // Reads the file text: 22 lines of 32 cell characters, one line feed after each. Anything
    // else (a wrong length, a carriage return, a byte the game does not know) is refused with a
    // message, because the game would read such a file silently wrong.
    bool parse(const std::string& text, std::string& error);

    // The cell character; the border and everything outside the grid read as solid "M". The
    // runner and guard markers read as empty cells ' '.
    char at(int column, int row) const;

    int runner_count() const { return m_runner_count; }
    int runner_column() const { return m_runner_column; }
    int runner_row() const { return m_runner_row; }
    int guard_count() const { return m_guard_count; }
    int count(char kind) const;

    // Builds a grid cell by cell instead of from a file (a picture of a level in play): every
    // cell of the file area starts empty; the border stays solid.
    void clear();
    void set_cell(int column, int row, char c);

  private:
    char m_cells[kColumns * kRows] = {};
    int m_runner_count = 0;
    int m_runner_column = -1;
    int m_runner_row = -1;
    int m_guard_count = 0;
};

// The runner's move graph over one grid. Node numbers: column * 23 + row for a cell the runner
// is in, plus kHoleBase for a dug brick the runner stands in.
class MoveGraph {
  public:
    static constexpr int kCells = LevelGrid::kColumns * LevelGrid::kRows;
    static constexpr int kHoleBase = kCells;
    static constexpr int kNodes = 2 * kCells;

    struct Edge {
        int to;
        int steps;  // cells moved
        int digs;   // bricks dug on the way
    };

    // With `revealed` set the hidden ladders are ladders (after the last gold).
    MoveGraph(const LevelGrid& grid, bool revealed);

    static int node(int column, int row) { return column * LevelGrid::kRows + row; }
    static int column_of(int node) { return (node % kCells) / LevelGrid::kRows; }
    static int row_of(int node) { return (node % kCells) % LevelGrid::kRows; }

    bool exists(int node) const { return m_exists[node]; }
    const std::vector<Edge>& edges(int node) const { return m_edges[node]; }
    bool has_gold(int node) const;

    // Which nodes can be reached from `from`.
    std::vector<bool> reachable_from(int from) const;

    // Strongly connected components; ids come out in reverse topological order (an edge between
    // two components always leads to one with a smaller id).
    std::vector<int> components(int& count) const;

    // Cheapest path, fewest digs first and then fewest cells moved; empty when there is none.
    // Otherwise the nodes from `from` to the first target reached, both included.
    std::vector<int> cheapest_path(int from, const std::vector<bool>& targets, int& steps,
                                   int& digs) const;

  private:
    bool blocking(int column, int row) const;
    bool ladder(int column, int row) const;
    bool supported(int column, int row) const;
    bool diggable_side(int column, int row) const;
    void add_cell_edges(int column, int row);
    void add_hole_edges(int column, int row);
    void add_digs(int from, int column, int row);

    const LevelGrid& m_grid;
    bool m_revealed;
    std::vector<bool> m_exists;
    std::vector<std::vector<Edge>> m_edges;
};

// What the checker found out about one level.
struct LevelReport {
    bool finishable = false;
    std::vector<std::string> problems;  // why it cannot be finished
    int gold = 0;
    int guards = 0;
    int ladders = 0;
    int hidden_ladders = 0;
    int ropes = 0;
    // A route that takes all the gold and leaves by the top row: digs made on it and cells moved
    // (-1 when there is none).
    int route_digs = -1;
    int route_length = -1;
    // That route as MoveGraph nodes from the start to the top row; after the last gold the
    // nodes follow the graph with the hidden ladders shown.
    std::vector<int> route;
};

LevelReport check_level(const LevelGrid& grid);
// Reads and checks a level file; a file that cannot be read or parsed is not finishable.
LevelReport check_level_file(const std::string& path);
