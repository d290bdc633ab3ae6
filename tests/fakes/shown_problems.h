#pragma once

#include <string>
#include <vector>

#include "problem/problem.h"
#include "tests/fakes/recording_message_box.h"
#include "ui/dialog/application_messages.h"
#include "wording/point_file_problem_text.h"
#include "wording/problem_messages.h"

namespace pinmover::testing {

// The message boxes the dialog shows for a problem, in order.
inline std::vector<RecordingMessageBox::Shown> ShownProblem(const Problem& problem,
                                                            FileSystem& files) {
  RecordingMessageBox boxes;
  ApplicationMessages messages(boxes, "pinmover");
  for (const Message& message : ProblemMessages(problem, files)) messages.Show(message);
  return boxes.shown;
}

// A point file's problems in the words every command uses for them.
inline std::vector<std::string> PointFileWords(const std::vector<Problem>& problems) {
  std::vector<std::string> words;
  for (const Problem& problem : problems) words.push_back(PointFileProblemText(problem));
  return words;
}

}  // namespace pinmover::testing
