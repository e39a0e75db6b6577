#include "saves/store_data.h"

void storeData(const MatchContext&, const Career&, const Platform&) {}
