#pragma once
#include <algorithm>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// A scenario's actions, or what they gave, written on one line with "; " between the steps, so that a table
// row reads as the user's session: "folk; 90 3C 01" is {"folk", "90 3C 01"}, and "" no step at all.
inline Lines steps(const std::string& line) {
    Lines result;
    for (size_t at = 0, end = 0; at < line.size(); at = end + 2) {
        end = std::min(line.find("; ", at), line.size());
        result.push_back(line.substr(at, end - at));
    }
    return result;
}
