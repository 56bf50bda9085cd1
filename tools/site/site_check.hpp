#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "site/page_catalog.hpp"

namespace quillo::site {

struct Problem {
    std::string page;     // "ads/ksqd.html"
    std::string problem;  // what the program would make of it
    std::string fix;      // how to put it right
};

// The problems of one page body for the way the program uses it; empty when
// the program reads the page as the operator meant.
std::vector<Problem> checkPage(const PageEntry& page, std::string_view body);

// Reads every page of the catalog under the tree root and reports each one
// that is missing or that the program would silently take as off, empty or
// refused. Problems come in catalog order. `treeName` is how fixes name the
// tree on the command line.
std::vector<Problem> checkTree(const std::filesystem::path& root, std::string_view treeName);

// "PAGE: PROBLEM; fix: FIX"
std::string formatProblem(const Problem& problem);

}  // namespace quillo::site
