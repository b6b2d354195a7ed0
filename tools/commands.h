// The subcommands of the tool.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tolmer::inline v1::tool {

int run_length(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int run_format(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int run_scale(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int run_paper(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int run_catalog(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int run_call(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace tolmer::tool
