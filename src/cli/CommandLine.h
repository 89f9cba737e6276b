#pragma once

// The program without its window:
//   vemarill search DIR [-o FILE]
//   vemarill export-html LIST --root DIR -o PAGE
//   vemarill convert IN OUT
// Exit codes: 0 done, 1 bad input (the message names the file and line),
// 2 wrong usage.
namespace CommandLine {

enum ExitCode { Success = 0, BadInput = 1, Usage = 2 };

// True when argv[1] is a subcommand, --help or --version: then run() handles
// the whole invocation and no window is made.
bool isCommand(int argc, char** argv);

// Runs the command under a QCoreApplication of its own (no display needed)
// and returns the exit code.
int run(int argc, char** argv);

} // namespace CommandLine
