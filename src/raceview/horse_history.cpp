#include "raceview/horse_history.h"

namespace varnel {

HorseHistory::~HorseHistory() = default;

}  // namespace varnel
