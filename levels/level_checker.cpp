#include "levels/level_checker.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <queue>
#include <sstream>
#include <utility>

namespace {

constexpr char kEmpty = ' ';
constexpr char kBrick = 'T';
constexpr char kSolid = 'M';
constexpr char kFalseBrick = 'U';
constexpr char kLadder = 'H';
constexpr char kHiddenLadder = '#';
constexpr char kRope = '-';
constexpr char kGold = '*';

std::string cell_name(int column, int row) {
    return "column " + std::to_string(column) + ", row " + std::to_string(row);
}

}  // namespace

bool LevelGrid::parse(const std::string& text, std::string& error) {
    *this = LevelGrid();
    std::fill(std::begin(m_cells), std::end(m_cells), kSolid);
    if (text.size() != static_cast<size_t>(kFileSize)) {
        error = "the file holds " + std::to_string(text.size()) + " bytes, not " +
                std::to_string(kFileSize) + " (22 lines of 32 cells and a line feed)";
        return false;
    }
    for (int row = 0; row < kFileRows; ++row) {
        const size_t line = static_cast<size_t>(row) * (kFileColumns + 1);
        if (text[line + kFileColumns] != '\n') {
            error = "line " + std::to_string(row + 1) + " does not end after 32 cells";
            return false;
        }
        for (int column = 1; column <= kFileColumns; ++column) {
            char c = text[line + column - 1];
            switch (c) {
                case '!':
                    ++m_runner_count;
                    m_runner_column = column;
                    m_runner_row = row;
                    c = kEmpty;
                    break;
                case '$':
                    ++m_guard_count;
                    c = kEmpty;
                    break;
                case kEmpty:
                case kBrick:
                case kSolid:
                case kFalseBrick:
                case kLadder:
                case kHiddenLadder:
                case kRope:
                case kGold:
                    break;
                default:
                    error = "unknown character '" + std::string(1, c) + "' at " +
                            cell_name(column, row);
                    return false;
            }
            m_cells[column * kRows + row] = c;
        }
    }
    return true;
}

char LevelGrid::at(int column, int row) const {
    if (column < 1 || column > kFileColumns || row < 0 || row >= kFileRows)
        return kSolid;
    return m_cells[column * kRows + row];
}

void LevelGrid::clear() {
    *this = LevelGrid();
    std::fill(std::begin(m_cells), std::end(m_cells), kEmpty);
}

void LevelGrid::set_cell(int column, int row, char c) {
    if (column >= 1 && column <= kFileColumns && row >= 0 && row < kFileRows)
        m_cells[column * kRows + row] = c;
}

int LevelGrid::count(char kind) const {
    int n = 0;
    for (int column = 1; column <= kFileColumns; ++column)
        for (int row = 0; row < kFileRows; ++row)
            if (at(column, row) == kind)
                ++n;
    return n;
}

MoveGraph::MoveGraph(const LevelGrid& grid, bool revealed)
    : m_grid(grid), m_revealed(revealed), m_exists(kNodes, false), m_edges(kNodes) {
    for (int column = 1; column <= LevelGrid::kFileColumns; ++column) {
        for (int row = 0; row < LevelGrid::kFileRows; ++row) {
            if (m_grid.at(column, row) == kBrick)
                add_hole_edges(column, row);
            else if (!blocking(column, row))
                add_cell_edges(column, row);
        }
    }
}

bool MoveGraph::has_gold(int node) const {
    return node < kHoleBase && m_grid.at(column_of(node), row_of(node)) == kGold;
}

// Solid blocks and intact bricks stop the runner; everything else lets it through.
bool MoveGraph::blocking(int column, int row) const {
    const char c = m_grid.at(column, row);
    return c == kSolid || c == kBrick;
}

// Hidden ladders are passable like air until the last gold reveals them.
bool MoveGraph::ladder(int column, int row) const {
    const char c = m_grid.at(column, row);
    return c == kLadder || (m_revealed && c == kHiddenLadder);
}

// Whether the runner stays in the cell instead of falling: it holds a ladder or rope, or stands
// on a brick, a solid block or the top of a ladder.
bool MoveGraph::supported(int column, int row) const {
    if (ladder(column, row) || m_grid.at(column, row) == kRope)
        return true;
    return blocking(column, row + 1) || ladder(column, row + 1);
}

// A dig needs air in front: an empty cell or a hidden ladder not yet shown. Gold, ropes, ladders
// and false bricks in front refuse it.
bool MoveGraph::diggable_side(int column, int row) const {
    const char c = m_grid.at(column, row);
    return c == kEmpty || (!m_revealed && c == kHiddenLadder);
}

void MoveGraph::add_cell_edges(int column, int row) {
    const int from = node(column, row);
    m_exists[from] = true;
    std::vector<Edge>& out = m_edges[from];
    if (!supported(column, row)) {
        // Falling: nothing to decide until something holds the runner.
        out.push_back({node(column, row + 1), 1, 0});
        return;
    }
    for (int d : {-1, 1})
        if (!blocking(column + d, row))
            out.push_back({node(column + d, row), 1, 0});
    if (ladder(column, row) && !blocking(column, row - 1))
        out.push_back({node(column, row - 1), 1, 0});
    const char here = m_grid.at(column, row);
    const bool down = ladder(column, row) ? !blocking(column, row + 1)
                      : here == kRope     ? !blocking(column, row + 1)
                                          : ladder(column, row + 1);
    if (down)
        out.push_back({node(column, row + 1), 1, 0});
    add_digs(from, column, row);
}

void MoveGraph::add_hole_edges(int column, int row) {
    const int from = kHoleBase + node(column, row);
    m_exists[from] = true;
    if (!blocking(column, row + 1) && !ladder(column, row + 1)) {
        m_edges[from].push_back({node(column, row + 1), 1, 0});
        return;
    }
    // Standing in the hole: out sideways where the row is open, or down a ladder below; with
    // neither the hole closes on the runner, so there is no edge at all.
    for (int d : {-1, 1})
        if (!blocking(column + d, row))
            m_edges[from].push_back({node(column + d, row), 1, 0});
    if (ladder(column, row + 1))
        m_edges[from].push_back({node(column, row + 1), 1, 0});
    add_digs(from, column, row);
}

// Dig the brick diagonally below in front, step forward and drop into the hole.
void MoveGraph::add_digs(int from, int column, int row) {
    for (int d : {-1, 1}) {
        if (diggable_side(column + d, row) && m_grid.at(column + d, row + 1) == kBrick)
            m_edges[from].push_back({kHoleBase + node(column + d, row + 1), 2, 1});
    }
}

std::vector<bool> MoveGraph::reachable_from(int from) const {
    std::vector<bool> seen(kNodes, false);
    std::vector<int> stack{from};
    seen[from] = true;
    while (!stack.empty()) {
        const int n = stack.back();
        stack.pop_back();
        for (const Edge& e : m_edges[n]) {
            if (!seen[e.to]) {
                seen[e.to] = true;
                stack.push_back(e.to);
            }
        }
    }
    return seen;
}

// Tarjan's algorithm without recursion.
std::vector<int> MoveGraph::components(int& count) const {
    std::vector<int> index(kNodes, -1), low(kNodes, 0), comp(kNodes, -1);
    std::vector<bool> on_stack(kNodes, false);
    std::vector<int> stack;
    std::vector<std::pair<int, size_t>> work;
    int next_index = 0;
    count = 0;
    for (int root = 0; root < kNodes; ++root) {
        if (!m_exists[root] || index[root] >= 0)
            continue;
        work.push_back({root, 0});
        index[root] = low[root] = next_index++;
        stack.push_back(root);
        on_stack[root] = true;
        while (!work.empty()) {
            const int n = work.back().first;
            size_t& i = work.back().second;
            if (i < m_edges[n].size()) {
                const int to = m_edges[n][i++].to;
                if (index[to] < 0) {
                    index[to] = low[to] = next_index++;
                    stack.push_back(to);
                    on_stack[to] = true;
                    work.push_back({to, 0});
                } else if (on_stack[to]) {
                    low[n] = std::min(low[n], index[to]);
                }
                continue;
            }
            if (low[n] == index[n]) {
                int m;
                do {
                    m = stack.back();
                    stack.pop_back();
                    on_stack[m] = false;
                    comp[m] = count;
                } while (m != n);
                ++count;
            }
            work.pop_back();
            if (!work.empty()) {
                const int parent = work.back().first;
                low[parent] = std::min(low[parent], low[n]);
            }
        }
    }
    return comp;
}

std::vector<int> MoveGraph::cheapest_path(int from, const std::vector<bool>& targets, int& steps,
                                          int& digs) const {
    // A dig costs more than any walk, so the fewest digs win first.
    constexpr long kDigCost = 100000;
    std::vector<long> cost(kNodes, -1);
    std::vector<int> previous(kNodes, -1);
    using Item = std::pair<long, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> queue;
    cost[from] = 0;
    queue.push({0, from});
    int found = -1;
    while (!queue.empty()) {
        const auto [c, n] = queue.top();
        queue.pop();
        if (c != cost[n])
            continue;
        if (targets[n]) {
            found = n;
            break;
        }
        for (const Edge& e : m_edges[n]) {
            const long next = c + e.steps + e.digs * kDigCost;
            if (cost[e.to] < 0 || next < cost[e.to]) {
                cost[e.to] = next;
                previous[e.to] = n;
                queue.push({next, e.to});
            }
        }
    }
    std::vector<int> path;
    if (found < 0)
        return path;
    steps = static_cast<int>(cost[found] % kDigCost);
    digs = static_cast<int>(cost[found] / kDigCost);
    for (int n = found; n >= 0; n = previous[n])
        path.push_back(n);
    std::reverse(path.begin(), path.end());
    return path;
}

namespace {

struct Route {
    bool found = false;
    int steps = 0;
    int digs = 0;
    std::vector<int> nodes;
};

// Walks one route through the gold in the order the components allow, nearest gold first, keeping
// `last` (a gold with a way out) for the end, and then to the top row on the revealed graph.
Route find_route(const MoveGraph& hidden, const MoveGraph& shown, int start,
                 const std::vector<int>& order_of, int last) {
    Route route;
    std::vector<bool> left(MoveGraph::kNodes, false);
    int remaining = 0;
    for (int n = 0; n < MoveGraph::kCells; ++n) {
        if (hidden.exists(n) && hidden.has_gold(n)) {
            left[n] = true;
            ++remaining;
        }
    }
    int at = start, steps = 0, digs = 0, last_taken = start;
    auto take = [&](int n) {
        if (left[n]) {
            left[n] = false;
            --remaining;
            last_taken = n;
        }
    };
    take(start);
    route.nodes.push_back(start);
    auto append = [&](const std::vector<int>& path) {
        route.nodes.insert(route.nodes.end(), path.begin() + 1, path.end());
    };
    while (remaining > 0) {
        int first = -1;
        for (int n = 0; n < MoveGraph::kCells; ++n)
            if (left[n] && (first < 0 || order_of[n] < order_of[first]))
                first = n;
        std::vector<bool> targets(MoveGraph::kNodes, false);
        for (int n = 0; n < MoveGraph::kCells; ++n)
            if (left[n] && order_of[n] == order_of[first] && (n != last || remaining == 1))
                targets[n] = true;
        int s = 0, d = 0;
        const std::vector<int> path = hidden.cheapest_path(at, targets, s, d);
        if (path.empty())
            return route;
        for (int n : path)
            take(n);
        append(path);
        steps += s;
        digs += d;
        at = path.back();
    }
    std::vector<bool> top(MoveGraph::kNodes, false);
    for (int column = 1; column <= LevelGrid::kFileColumns; ++column)
        top[MoveGraph::node(column, 0)] = true;
    int s = 0, d = 0;
    if (MoveGraph::row_of(last_taken) == 0 && last_taken < MoveGraph::kHoleBase) {
        s = 0;
    } else {
        const std::vector<int> out = shown.cheapest_path(last_taken, top, s, d);
        if (out.empty())
            return route;
        append(out);
    }
    route.found = true;
    route.steps = steps + s;
    route.digs = digs + d;
    return route;
}

}  // namespace

LevelReport check_level(const LevelGrid& grid) {
    LevelReport report;
    report.gold = grid.count(kGold);
    report.guards = grid.guard_count();
    report.ladders = grid.count(kLadder);
    report.hidden_ladders = grid.count(kHiddenLadder);
    report.ropes = grid.count(kRope);
    if (grid.runner_count() != 1) {
        report.problems.push_back(grid.runner_count() == 0
                                      ? "no runner start '!'"
                                      : "more than one runner start '!' (the game takes the last)");
        return report;
    }
    if (report.gold == 0) {
        report.problems.push_back("no gold: the exit never opens");
        return report;
    }
    const MoveGraph hidden(grid, false);
    const MoveGraph shown(grid, true);
    const int start = MoveGraph::node(grid.runner_column(), grid.runner_row());
    const std::vector<bool> reach = hidden.reachable_from(start);
    for (int n = 0; n < MoveGraph::kCells; ++n) {
        if (hidden.exists(n) && hidden.has_gold(n) && !reach[n])
            report.problems.push_back("gold at " +
                                      cell_name(MoveGraph::column_of(n), MoveGraph::row_of(n)) +
                                      " cannot be reached");
    }
    if (!report.problems.empty())
        return report;

    // Gold components in the order a route meets them (reverse of the ids), each one reachable
    // from the one before; gold in two components that do not reach each other strands one.
    int count = 0;
    const std::vector<int> comp = hidden.components(count);
    std::vector<int> gold_comps;
    std::vector<int> gold_of(count, -1);
    for (int n = 0; n < MoveGraph::kCells; ++n) {
        if (hidden.exists(n) && hidden.has_gold(n) && gold_of[comp[n]] < 0) {
            gold_of[comp[n]] = n;
            gold_comps.push_back(comp[n]);
        }
    }
    std::sort(gold_comps.begin(), gold_comps.end(), std::greater<int>());
    for (size_t i = 0; i + 1 < gold_comps.size(); ++i) {
        const int a = gold_of[gold_comps[i]];
        const int b = gold_of[gold_comps[i + 1]];
        if (!hidden.reachable_from(a)[b]) {
            report.problems.push_back(
                "gold at " + cell_name(MoveGraph::column_of(a), MoveGraph::row_of(a)) +
                " and gold at " + cell_name(MoveGraph::column_of(b), MoveGraph::row_of(b)) +
                " cannot both be taken: whichever comes first strands the other");
        }
    }
    if (!report.problems.empty())
        return report;

    // The last gold is one of the final component; from there the top row must be reachable
    // with the hidden ladders shown.
    std::vector<int> lasts;
    for (int n = 0; n < MoveGraph::kCells; ++n) {
        if (!hidden.exists(n) || !hidden.has_gold(n) || comp[n] != gold_comps.back())
            continue;
        bool out = MoveGraph::row_of(n) == 0;
        const std::vector<bool> reach_out = shown.reachable_from(n);
        for (int column = 1; column <= LevelGrid::kFileColumns; ++column)
            out = out || reach_out[MoveGraph::node(column, 0)];
        if (out)
            lasts.push_back(n);
    }
    if (lasts.empty()) {
        const int g = gold_of[gold_comps.back()];
        report.problems.push_back("no way out: after the last gold (e.g. at " +
                                  cell_name(MoveGraph::column_of(g), MoveGraph::row_of(g)) +
                                  ") the top row cannot be reached");
        return report;
    }
    report.finishable = true;
    std::vector<int> order_of(MoveGraph::kNodes, 0);
    for (int n = 0; n < MoveGraph::kNodes; ++n)
        if (comp[n] >= 0)
            order_of[n] = count - comp[n];
    // The route shown in the tables: the best of the greedy walks over each possible last gold.
    for (int last : lasts) {
        const Route r = find_route(hidden, shown, start, order_of, last);
        if (r.found && (report.route_length < 0 || r.digs < report.route_digs ||
                        (r.digs == report.route_digs && r.steps < report.route_length))) {
            report.route_digs = r.digs;
            report.route_length = r.steps;
            report.route = r.nodes;
        }
    }
    return report;
}

LevelReport check_level_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        LevelReport report;
        report.problems.push_back("cannot read the file");
        return report;
    }
    std::stringstream bytes;
    bytes << in.rdbuf();
    LevelGrid grid;
    std::string error;
    if (!grid.parse(bytes.str(), error)) {
        LevelReport report;
        report.problems.push_back(error);
        return report;
    }
    return check_level(grid);
}
