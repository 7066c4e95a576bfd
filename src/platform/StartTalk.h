#pragma once

// What a later start and the running agent say to each other over the start socket: one line each way.
namespace StartTalk
{
inline constexpr char SHOW_REQUEST[] = "show\n";
inline constexpr char SHOW_ANSWER[] = "shown\n";
// A line longer than this is no start's, nor an agent's answer.
inline constexpr int LINE_LIMIT = 64;
} // namespace StartTalk
