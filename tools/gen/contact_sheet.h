#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "text.h"

// A review picture of everything the generator made: each image on a checkerboard (so its
// transparency shows) with its name, sprite sheets with their grid and group numbers.
class ContactSheet {
  public:
    // `scale` enlarges small pictures (nearest neighbour) so pixels can be judged.
    void add(const std::string& label, const Canvas& picture, int scale = 1);
    // A sheet shown as the game sees it: groups numbered from the bottom row.
    void add_sheet(const std::string& label, const Canvas& picture, int groups, int frames,
                   int scale);

    Canvas compose(TypeFace& face, int width) const;

  private:
    struct Entry {
        std::string label;
        Canvas picture;
        int groups = 0;
        int frames = 0;
    };
    std::vector<Entry> m_entries;
};
