#pragma once

#include "ui/button.h"
#include "ui/dialog.h"

class Font;
class AppContext;
class ScoreTable;

// The height a Top 7 name is drawn at: 40, or smaller for a name that would otherwise reach
// the score column.
float top7_name_height(const Font* font, const char* name);

// The best seven scores of one level set, read from the table at every frame. Enter and the
// close button give 0, Escape 1.
class Top7Dialog : public Dialog {
  public:
    // `table_index` 0 or 1: the table of level set 1 or 2.
    Top7Dialog(AppContext& app, int table_index);
    ~Top7Dialog() override;

    void on_control(Control* control) override;
    void draw() override;

    const ScoreTable& table() const { return m_table; }
    Button& close_button() { return m_t7d_close_btn; }

  private:
    AppContext& m_app;
    Button m_t7d_close_btn;
    const ScoreTable& m_table;
    int m_set;  // 0 or 1, which picks the picture naming the level set
};
