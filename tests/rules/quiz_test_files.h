#pragma once

#include <string>
#include <vector>

// Question files for the quiz tests: question k (1-based) reads "Qk", its choices "Qk-a",
// "Qk-b", "Qk-c", and its answer line is answers[k - 1] ("1" when not given).
inline std::vector<std::string> quizLines(std::vector<std::string> answers = {}) {
    answers.resize(30, "1");
    std::vector<std::string> lines;
    for (int k = 1; k <= 30; ++k) {
        const std::string q = "Q" + std::to_string(k);
        for (const std::string& line :
             {q, q + "-a", q + "-b", q + "-c", answers[k - 1], std::string("-----")})
            lines.push_back(line);
    }
    return lines;
}

// The same lines as file bytes, CR LF after each.
inline std::string quizFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}
