#pragma once

#include <string>

#include "contact_sheet.h"
#include "image_io.h"
#include "text.h"

// The groups of files the generator writes.
void generate_backgrounds(OutputTree& out, ContactSheet& review);
void generate_interface(OutputTree& out, ContactSheet& review, Fonts& fonts);
struct FontSheet;
void generate_texts(OutputTree& out, const FontSheet& font);
// The help pages: paragraphs, each ended by a carriage return and a line feed; the headings'
// rules are measured with the game's font.
std::string help_text(const FontSheet& font);

// A full-screen picture designed at its display size and stored at a power-of-two size.
Bytes encode_screen_jpeg(const Canvas& design, int texture_width, int texture_height);
