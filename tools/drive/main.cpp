// quarrik-drive: plays the real program from a script, tick by tick, in a real window.
//
//   quarrik-drive [--game-dir DIR] SCRIPT
//
// The program starts as it always does (settings, window, intro, main menu) in the game
// directory DIR (default: the current one), then each script line runs in order:
//   ticks N              run N ticks (30 ms of game time each; draws and swaps as usual)
//   key VK               press and release the key that sends window key VK (Windows
//                        virtual-key number, 27 = Esc, 65 = A); the key is down on the
//                        keyboard while the press is handled, so a key reader reads it
//   hold DIK / release DIK   the key with that scan code goes down / up; the game polls it
//   type TEXT            type the characters of TEXT on a US keyboard (each its key down,
//                        the text, its key up; Shift for capitals and symbols)
//   move X Y / click X Y move the mouse / press and release the left button, at 800x600
//                        coordinates placed as the window shows the picture (a point off
//                        0..800 x 0..600 lands on a bar beside it); "click NAME" aims at a
//                        control of the dialog on top by its layout name (m_od_close_btn,
//                        m_end_edit, m_od_volume0..6 ...) or a main menu button
//                        (m_zelm1_game_btn)
//                        Every key, text and mouse step is made of real window-system events
//                        put on the queue and handled as the program's message loop does.
//   pad attach / pad detach   plug a virtual game controller in / pull it out
//   pad press B / pad hold B / pad release B   press and release / hold / let go of button
//                        B: a (south), b (east), x (west), y (north), back, start, up, down,
//                        left, right (the d-pad)
//   pad stick X Y        the left stick to X, Y (-32768..32767; 0 0 is at rest)
//   seed N               seed the random generator (srand)
//   shot FILE.png        draw a frame and save it (relative to the directory the driver was
//                        started in)
//   state                print a line about the screens and the game in progress:
//                        screen=menu|play|other dialogs=N top=none|options|game_over|top7|
//                        help|new_game|custom_game game=0|1 window=LEFT,TOP,WxH full=0|1
//                        skin= volume= sound= classic= autosave= keys=L,R,U,D,FIRE,DIE
//                        top7=N1,N2 (entries of each table), notice="..." (a failed save's
//                        notice on the main menu), and with a game level= score=
//                        lives= revealing= game_over= runner=X,Y gold= (left) solid= (cells
//                        that block; a dug hole lowers it) set=1|2 (the level set)
//                        paused=0|1 sound_paused=0|1; before the game part pads=N (controllers
//                        open) focus=N (the focused control of the top screen or dialog, -1)
//   assert_file PATH     fail unless PATH exists (relative to the game directory)
//   assert_pixel X Y R G B TOL   draw a frame and fail unless the pixel at X Y (800x600
//                        coordinates) is within TOL of the colour in every channel
//   signal N             send the driver signal N, as from outside (15 ends it through its
//                        shutdown; 9 kills it on the spot)
// Lines starting with '#' are comments. When the program quits (Escape on the main menu) it
// shuts down as usual and only seed and assert_file may follow; at the end of the script the
// program is shut down the same way if it is still running.
// Exit status: 0 when every line ran and held, 1 for a failed line, 2 for a bad command line,
// script or start-up. Needs a display: run it under xvfb-run.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/game_app.h"
#include "app/instance_lock.h"
#include "app/startup.h"
#include "core/game_log.h"
#include "core/user_paths.h"
#include "driver.h"
#include "platform/platform.h"
#include "platform/process_end.h"
#include "tools/tool_args.h"

int main(int argc, char** argv) {
    const ToolArgs args(argc, argv, "usage: quarrik-drive [--game-dir DIR] SCRIPT\n",
                        {{"--game-dir", true}});
    if (args.done()) {
        return args.exit_code();
    }
    if (args.words().size() != 1) {
        return args.refuse();
    }
    const std::string game_dir = args.value("--game-dir", ".");
    const std::string script_path = args.words()[0];

    std::ifstream in(script_path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "quarrik-drive: cannot read %s\n", script_path.c_str());
        return 2;
    }
    const std::string source((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    std::vector<Step> steps;
    std::string error;
    if (!parse_script(source, steps, error)) {
        std::fprintf(stderr, "quarrik-drive: %s: %s\n", script_path.c_str(), error.c_str());
        return 2;
    }

    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) {
        return 2;
    }
    // The game's data paths are relative to its directory; enter it before anything reads.
    if (chdir(game_dir.c_str()) != 0) {
        std::fprintf(stderr, "quarrik-drive: no game directory %s\n", game_dir.c_str());
        return 2;
    }

    auto app = std::make_unique<GameApp>();
    InstanceLock lock;
    if (!claim_user_files(lock, false)) {
        return 2;
    }
    end_on_signals();
    game_log().open(game_paths().log_path);
    app->load_settings();
    if (!platform::init()) {
        std::fprintf(stderr, "quarrik-drive: the window system did not start\n");
        return 2;
    }
    save_when_display_lost(*app);
    int status = 0;
    {
        Driver driver(*app, cwd);
        if (!driver.start()) {
            std::fprintf(stderr, "quarrik-drive: the window could not be created\n");
            status = 2;
        }
        // A quit signal ends the script where it is, as it ends the program.
        for (size_t i = 0; status == 0 && i < steps.size() && !platform::quit_signal_received();
             ++i) {
            if (!driver.run(steps[i], error)) {
                std::fprintf(stderr, "quarrik-drive: %s: line %d: %s\n", script_path.c_str(),
                             steps[i].line, error.c_str());
                status = 1;
            }
        }
        driver.finish();
    }
    game_log().close();
    platform::shutdown();
    app.reset();
    return status;
}
