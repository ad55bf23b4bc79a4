// kelca-cli mask: generates a window's shading mask and saves NAME.SHM in the current folder.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>

#include "cli/Command.h"
#include "common/FiniteRead.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "energy/ShadingMask.h"

namespace kelca::cli {
namespace {

constexpr const char* kUsage =
    "--orient N|NE|E|SE|S|SW|W|NW --width W --height H [--op OP --dt DT --lp LP --dl DL --rp RP --dr DR] "
    "--name NAME";

int RunMask(const std::vector<std::string>& args) {
  std::map<std::string, std::string> options;
  for (size_t i = 0; i < args.size(); i += 2) {
    static const char* const known[] = {"--orient", "--width", "--height", "--op", "--dt",
                                        "--lp",     "--dl",    "--rp",     "--dr", "--name"};
    const bool isKnown = std::find(std::begin(known), std::end(known), args[i]) != std::end(known);
    if (!isKnown || i + 1 >= args.size()) {
      std::cerr << "kelca-cli mask: " << (isKnown ? "no value after " : "unknown option ") << args[i]
                << "\nUsage: kelca-cli mask " << kUsage << "\n";
      return 2;
    }
    options[args[i]] = args[i + 1];
  }
  const auto number = [&](const char* name) { return SingleOf(Val(options[name])); };
  ShadingMaskInput input;
  input.Orientation = MaskOrientationCode(options["--orient"]);
  input.W = number("--width");
  input.H = number("--height");
  input.OP = number("--op");
  input.DT = number("--dt");
  input.LP = number("--lp");
  input.DL = number("--dl");
  input.RP = number("--rp");
  input.DR = number("--dr");
  input.Name = options["--name"];

  ShadingMask mask;
  Status status = GenerateShadingMask(input, mask);
  if (status) {
    std::error_code ec;
    status = SaveShadingMask(WithTrailingSlash(std::filesystem::current_path(ec).string()), input, mask);
  }
  if (!status) {
    std::cerr << status.message << "\n";
    return 1;
  }
  std::cout << "Shading mask generated and saved: " << input.Name << ".SHM\n"
            << "Diffuse fraction: " << FormatSingle(mask.DiffuseFraction) << "\n";
  return 0;
}

const CommandRegistration kRegistration{"mask", kUsage, "generates a window shading mask and writes NAME.SHM",
                                        &RunMask};

}  // namespace
}  // namespace kelca::cli
