#pragma once

struct Career;
struct MatchContext;
struct Platform;

// Writes the career's save file after a confirmed match.
void storeData(const MatchContext& context, const Career& career, const Platform& platform);
