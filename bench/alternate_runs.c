/* Runs two commands alternately, each as a fresh process, and prints the wall time of each
 * run in microseconds: "A <us>" and "B <us>" lines, one pair per round. Spawning without a
 * shell in between keeps the measurement down to the processes themselves. */
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>

extern char **environ;

static long long run_us(char **command) {
  struct timespec start, end;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  clock_gettime(CLOCK_MONOTONIC, &start);
  pid_t pid;
  if (posix_spawn(&pid, command[0], &actions, NULL, command, environ) != 0) {
    perror(command[0]);
    exit(2);
  }
  int status;
  if (waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    fprintf(stderr, "%s failed\n", command[0]);
    exit(1);
  }
  clock_gettime(CLOCK_MONOTONIC, &end);
  posix_spawn_file_actions_destroy(&actions);
  return (end.tv_sec - start.tv_sec) * 1000000LL + (end.tv_nsec - start.tv_nsec) / 1000;
}

/* Usage: alternate_runs PAIRS COMMAND-A... -- COMMAND-B... */
int main(int argc, char **argv) {
  int split = 2;
  while (split < argc && strcmp(argv[split], "--") != 0) ++split;
  if (argc < 4 || split == 2 || split >= argc - 1) {
    fprintf(stderr, "usage: %s PAIRS COMMAND-A... -- COMMAND-B...\n", argv[0]);
    return 2;
  }
  long pairs = strtol(argv[1], NULL, 10);
  argv[split] = NULL;
  char **a = argv + 2, **b = argv + split + 1;
  for (long i = 0; i < pairs; ++i) {
    printf("A %lld\n", run_us(a));
    printf("B %lld\n", run_us(b));
  }
  return 0;
}
