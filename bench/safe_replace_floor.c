/* The least a converter's process can do to replace a point file safely: write the 64048
 * bytes to a temporary file beside the target, flush it, rename it over the target and flush
 * the folder. Built static, it is the floor the whole-process benchmark measures against. */
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

static char image[64048];

int main(int argc, char **argv) {
  if (argc != 2) return 2;
  char temporary[4096];
  if (snprintf(temporary, sizeof temporary, "%s.tmp", argv[1]) >= (int)sizeof temporary) return 2;
  int fd = open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return 1;
  if (write(fd, image, sizeof image) != (ssize_t)sizeof image || fsync(fd) != 0 || close(fd) != 0)
    return 1;
  if (rename(temporary, argv[1]) != 0) return 1;
  int folder = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0 || fsync(folder) != 0) return 1;
  return close(folder) != 0;
}
