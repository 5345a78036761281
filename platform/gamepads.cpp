#include "platform/gamepads.h"

#include <cstdlib>
#include <vector>

namespace gamepads {

namespace {

struct Pad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID id = -1;
    int stick_direction = -1;  // the Button the stick points to, or -1 at rest
};

std::vector<Pad> g_pads;
bool g_started = false;

int stick_direction(int x, int y) {
    if (std::abs(x) < kDeadZone && std::abs(y) < kDeadZone) {
        return -1;
    }
    if (std::abs(x) >= std::abs(y)) {
        return x < 0 ? left : right;
    }
    return y < 0 ? up : down;
}

int button_from_sdl(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A:
            return south;
        case SDL_CONTROLLER_BUTTON_B:
            return east;
        case SDL_CONTROLLER_BUTTON_X:
            return west;
        case SDL_CONTROLLER_BUTTON_Y:
            return north;
        case SDL_CONTROLLER_BUTTON_BACK:
            return back;
        case SDL_CONTROLLER_BUTTON_START:
            return start;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return up;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return down;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return left;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return right;
        default:
            return -1;
    }
}

Pad* find(SDL_JoystickID id) {
    for (Pad& pad : g_pads) {
        if (pad.id == id) {
            return &pad;
        }
    }
    return nullptr;
}

void open(int device_index) {
    SDL_GameController* controller = SDL_GameControllerOpen(device_index);
    if (!controller) {
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (find(id)) {
        SDL_GameControllerClose(controller);  // already open: the library counts references
        return;
    }
    Pad pad;
    pad.controller = controller;
    pad.id = id;
    g_pads.push_back(pad);
}

void close(SDL_JoystickID id) {
    for (auto it = g_pads.begin(); it != g_pads.end(); ++it) {
        if (it->id == id) {
            SDL_GameControllerClose(it->controller);
            g_pads.erase(it);
            return;
        }
    }
}

void push_button(int button, WindowEvents& out) {
    WindowEvent e;
    e.kind = WindowEventKind::pad_button;
    e.key = button;
    out.push_back(e);
}

}  // namespace

bool init() {
    if (g_started) {
        return true;
    }
    // Pads are a bonus: a system without the subsystem still plays from the keyboard.
    g_started = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    return g_started;
}

void shutdown() {
    for (Pad& pad : g_pads) {
        SDL_GameControllerClose(pad.controller);
    }
    g_pads.clear();
    if (g_started) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        g_started = false;
    }
}

bool translate(const SDL_Event& event, WindowEvents& out) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            open(event.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            close(event.cdevice.which);
            return true;
        case SDL_CONTROLLERBUTTONDOWN: {
            const int button = button_from_sdl(event.cbutton.button);
            if (button >= 0 && find(event.cbutton.which)) {
                push_button(button, out);
            }
            return true;
        }
        case SDL_CONTROLLERAXISMOTION: {
            Pad* pad = find(event.caxis.which);
            if (!pad || (event.caxis.axis != SDL_CONTROLLER_AXIS_LEFTX &&
                         event.caxis.axis != SDL_CONTROLLER_AXIS_LEFTY)) {
                return true;
            }
            // A push out of the dead zone is one step in a menu, as a d-pad press is.
            const int direction = stick_direction(
                SDL_GameControllerGetAxis(pad->controller, SDL_CONTROLLER_AXIS_LEFTX),
                SDL_GameControllerGetAxis(pad->controller, SDL_CONTROLLER_AXIS_LEFTY));
            if (direction != pad->stick_direction && direction >= 0) {
                push_button(direction, out);
            }
            pad->stick_direction = direction;
            return true;
        }
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERDEVICEREMAPPED:
        case SDL_JOYAXISMOTION:
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
        case SDL_JOYHATMOTION:
        case SDL_JOYDEVICEADDED:
        case SDL_JOYDEVICEREMOVED:
            return true;
        default:
            return false;
    }
}

Held held() {
    Held h;
    for (const Pad& pad : g_pads) {
        SDL_GameController* c = pad.controller;
        auto pressed = [c](SDL_GameControllerButton b) {
            return SDL_GameControllerGetButton(c, b) != 0;
        };
        h.up = h.up || pressed(SDL_CONTROLLER_BUTTON_DPAD_UP);
        h.down = h.down || pressed(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        h.left = h.left || pressed(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        h.right = h.right || pressed(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        h.south = h.south || pressed(SDL_CONTROLLER_BUTTON_A);
        h.west = h.west || pressed(SDL_CONTROLLER_BUTTON_X);
        const int direction =
            stick_direction(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX),
                            SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY));
        h.up = h.up || direction == up;
        h.down = h.down || direction == gamepads::down;
        h.left = h.left || direction == left;
        h.right = h.right || direction == right;
    }
    return h;
}

int open_count() {
    return static_cast<int>(g_pads.size());
}

}  // namespace gamepads
