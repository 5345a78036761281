#include "app/game_log.h"

int main() {
    game_log().open("game.log");
    game_log().close();
    return 0;
}
