// A file system whose server never answers some requests: the network
// share that stopped answering, for tests. It never blocks a thread to do
// so; a request it does not want to answer is simply never replied to, so
// the kernel keeps the caller waiting while everything else goes on.
//
//   vantrel-hangfs MOUNTPOINT [--dead] [--statfs-hangs] [--subtype=NAME]
//
// The root holds:
//   ok.txt      answers everything ("fine\n")
//   slow-read   answers lookups and opens; a read never returns (1 MiB)
//   slow-tail   reads return the first 64 KiB, then never (1 MiB)
//   slow-open   an open never returns
//   slow-stat   its lookup never returns: any stat or open of it waits
//   slow-dir/   a folder that can be looked at but never read
// --dead answers nothing at all after mounting; --statfs-hangs leaves
// statfs unanswered. The server prints "mounted" once the mount is there,
// ends on SIGTERM or when the process that started it dies, and lazily
// unmounts as it goes.
#define FUSE_USE_VERSION 34

#include <fuse_lowlevel.h>

#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

enum { Root = 1, Ok, SlowRead, SlowTail, SlowOpen, SlowStat, SlowDir, Count };

static const char *const names[Count] = {"", "", "ok.txt", "slow-read", "slow-tail",
                                         "slow-open", "slow-stat", "slow-dir"};
static const char okText[] = "fine\n";
static const off_t slowSize = 1024 * 1024;
static const off_t tailAnswered = 64 * 1024;

static int dead = 0;
static int statfsHangs = 0;

static void attributesOf(fuse_ino_t ino, struct stat *st)
{
    memset(st, 0, sizeof *st);
    st->st_ino = ino;
    st->st_uid = getuid();
    st->st_gid = getgid();
    if (ino == Root || ino == SlowDir) {
        st->st_mode = S_IFDIR | 0755;
        st->st_nlink = 2;
    } else {
        st->st_mode = S_IFREG | 0644;
        st->st_nlink = 1;
        st->st_size = ino == Ok ? (off_t)strlen(okText) : slowSize;
    }
}

static void hang(fuse_req_t req)
{
    // Never replied to: the caller waits until the server goes away.
    (void)req;
}

static void doLookup(fuse_req_t req, fuse_ino_t parent, const char *name)
{
    if (dead)
        return hang(req);
    if (parent != Root) {
        fuse_reply_err(req, ENOENT);
        return;
    }
    for (fuse_ino_t ino = Ok; ino < Count; ++ino) {
        if (strcmp(name, names[ino]) != 0)
            continue;
        if (ino == SlowStat)
            return hang(req);
        struct fuse_entry_param entry;
        memset(&entry, 0, sizeof entry);
        entry.ino = ino;
        attributesOf(ino, &entry.attr);
        fuse_reply_entry(req, &entry);
        return;
    }
    fuse_reply_err(req, ENOENT);
}

static void doGetattr(fuse_req_t req, fuse_ino_t ino, struct fuse_file_info *fi)
{
    (void)fi;
    if (dead)
        return hang(req);
    struct stat st;
    attributesOf(ino, &st);
    fuse_reply_attr(req, &st, 0);
}

static void doOpen(fuse_req_t req, fuse_ino_t ino, struct fuse_file_info *fi)
{
    if (dead || ino == SlowOpen)
        return hang(req);
    if (ino == Root || ino == SlowDir) {
        fuse_reply_err(req, EISDIR);
        return;
    }
    // Every read goes to the server, never to the page cache.
    fi->direct_io = 1;
    fuse_reply_open(req, fi);
}

static void doRead(fuse_req_t req, fuse_ino_t ino, size_t size, off_t off,
                   struct fuse_file_info *fi)
{
    (void)fi;
    if (dead || ino == SlowRead || (ino == SlowTail && off >= tailAnswered))
        return hang(req);
    if (ino == Ok) {
        const off_t length = (off_t)strlen(okText);
        const size_t n = off >= length ? 0 : (size_t)(length - off) < size ? (size_t)(length - off)
                                                                            : size;
        fuse_reply_buf(req, okText + (off < length ? off : 0), n);
        return;
    }
    // slow-tail up to where it stops: zeros and a mark every KiB.
    size_t n = size;
    if (off + (off_t)n > tailAnswered)
        n = (size_t)(tailAnswered - off);
    char *buffer = calloc(n ? n : 1, 1);
    for (size_t i = 0; i < n; ++i) {
        if ((off + (off_t)i) % 1024 == 0)
            buffer[i] = 'x';
    }
    fuse_reply_buf(req, buffer, n);
    free(buffer);
}

static void doOpendir(fuse_req_t req, fuse_ino_t ino, struct fuse_file_info *fi)
{
    if (dead || ino == SlowDir)
        return hang(req);
    if (ino != Root) {
        fuse_reply_err(req, ENOTDIR);
        return;
    }
    fuse_reply_open(req, fi);
}

static void doReaddir(fuse_req_t req, fuse_ino_t ino, size_t size, off_t off,
                      struct fuse_file_info *fi)
{
    (void)fi;
    if (dead || ino != Root)
        return hang(req);
    char *buffer = calloc(size ? size : 1, 1);
    size_t used = 0;
    for (off_t i = off; i < Count; ++i) {
        // Entries 0 and 1 are "." and ".."; then the files.
        const fuse_ino_t entry = i < 2 ? Root : (fuse_ino_t)(i);
        const char *name = i == 0 ? "." : i == 1 ? ".." : names[entry];
        struct stat st;
        attributesOf(entry, &st);
        const size_t need = fuse_add_direntry(req, buffer + used, size - used, name, &st, i + 1);
        if (need > size - used)
            break;
        used += need;
    }
    fuse_reply_buf(req, buffer, used);
    free(buffer);
}

static void doStatfs(fuse_req_t req, fuse_ino_t ino)
{
    (void)ino;
    if (dead || statfsHangs)
        return hang(req);
    struct statvfs st;
    memset(&st, 0, sizeof st);
    st.f_bsize = st.f_frsize = 4096;
    st.f_blocks = 1024;
    st.f_bfree = st.f_bavail = 512;
    st.f_namemax = 255;
    fuse_reply_statfs(req, &st);
}

static const struct fuse_lowlevel_ops operations = {
    .lookup = doLookup,
    .getattr = doGetattr,
    .open = doOpen,
    .read = doRead,
    .opendir = doOpendir,
    .readdir = doReaddir,
    .statfs = doStatfs,
};

int main(int argc, char **argv)
{
    // Gone with whoever started it, so that no test leaves a mount behind.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() == 1)
        return 1;

    const char *mountpoint = NULL;
    char options[512] = "-ofsname=vantrel-hangfs";
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--dead") == 0)
            dead = 1;
        else if (strcmp(argv[i], "--statfs-hangs") == 0)
            statfsHangs = 1;
        else if (strncmp(argv[i], "--subtype=", 10) == 0)
            snprintf(options + strlen(options), sizeof options - strlen(options), ",subtype=%s",
                     argv[i] + 10);
        else if (!mountpoint && argv[i][0] != '-')
            mountpoint = argv[i];
        else {
            fprintf(stderr, "usage: %s MOUNTPOINT [--dead] [--statfs-hangs] [--subtype=NAME]\n",
                    argv[0]);
            return 2;
        }
    }
    if (!mountpoint) {
        fprintf(stderr, "usage: %s MOUNTPOINT [--dead] [--statfs-hangs] [--subtype=NAME]\n",
                argv[0]);
        return 2;
    }

    char *fuseArgv[] = {argv[0], options, NULL};
    struct fuse_args args = FUSE_ARGS_INIT(2, fuseArgv);
    struct fuse_session *session = fuse_session_new(&args, &operations, sizeof operations, NULL);
    if (!session)
        return 1;
    int status = 1;
    if (fuse_set_signal_handlers(session) == 0) {
        if (fuse_session_mount(session, mountpoint) == 0) {
            printf("mounted\n");
            fflush(stdout);
            status = fuse_session_loop(session) < 0 ? 1 : 0;
            fuse_session_unmount(session);
        }
        fuse_remove_signal_handlers(session);
    }
    fuse_session_destroy(session);
    return status;
}
