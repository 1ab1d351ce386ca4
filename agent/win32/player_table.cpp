#include "agent/win32/player_table.h"

namespace {

struct Table {
    Table() { ResetPlayerTable(rows); }
    PlayerEntry rows[kPlayerCount] = {};
};

}  // namespace

PlayerEntry (&PlayerTable())[kPlayerCount] {
    static Table table;
    return table.rows;
}
