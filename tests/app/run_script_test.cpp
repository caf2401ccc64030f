// ./run.sh in a scratch copy of the tree, with the package installer and CMake replaced by
// stand-ins: it builds, then starts the desktop program and nothing else.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

void WriteScript(const fs::path& path, const std::string& body) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << "#!/usr/bin/env bash\n" << body;
  fs::permissions(path, fs::perms::owner_all);
}

struct ScriptRun {
  int status = -1;
  std::string out;
};

// A tree holding run.sh, a silent installer and a `cmake` whose build step runs `build`.
ScriptRun RunScript(const std::string& name, const std::string& build) {
  const fs::path root = fs::path(testing::TempDir()) / ("run_script_" + name);
  fs::remove_all(root);
  fs::create_directories(root);
  fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "run.sh", root / "run.sh");
  fs::permissions(root / "run.sh", fs::perms::owner_all);
  WriteScript(root / "scripts/install-deps.sh", "exit 0\n");
  WriteScript(root / "bin/cmake",
              "if [ \"$1\" = --build ]; then\n" + build + "fi\nexit 0\n");
  // A command-line tool left in the build folder must never stand in for the program.
  WriteScript(root / "build/app/orvane-cli", "echo command-line tool\n");
  const std::string cmd = "cd " + root.string() + " && PATH=" + (root / "bin").string() +
                          ":$PATH ./run.sh 2>&1";
  ScriptRun r;
  FILE* pipe = popen(cmd.c_str(), "r");
  if (pipe == nullptr) return r;
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
  const int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

TEST(RunScript, BuildsAndStartsTheDesktopProgram) {
  const ScriptRun r = RunScript("builds", "  printf '#!/bin/sh\\necho desktop program\\n' > build/app/orvane\n"
                                    "  chmod +x build/app/orvane\n");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, "desktop program\n");
}

TEST(RunScript, AMissingProgramIsAFailureNotTheCommandLineTool) {
  const ScriptRun r = RunScript("missing", "  :\n");
  EXPECT_NE(r.status, 0) << r.out;
  EXPECT_EQ(r.out.find("command-line tool"), std::string::npos) << r.out;
}

}  // namespace
