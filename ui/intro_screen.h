#pragma once

#include "gfx/jpeg_texture.h"
#include "ui/screen.h"

class PackArchive;
struct View;

// The picture shown while the program loads its resources. No controls, no input.
class IntroScreen : public Screen {
  public:
    // Reseeds rand() from the clock and reads "mui/intro.jpg" from the archive.
    IntroScreen(const PackArchive& archive, const View& view);

    // Sets up its own view first: it is the first frame the window draws.
    void draw() override;

    const JpegTexture& picture() const { return m_picture; }

  private:
    const View& m_view;
    JpegTexture m_picture;
};
