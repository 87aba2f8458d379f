"""The census under mpirun against the single-process survey: the same counts and the same verdict file, byte
for byte; a chunk file the same as the survey's shard; every rank stopped with SIGTERM as Slurm does, then a worker
rank killed mid-run, and each time --resume finishes the same file without redoing finished chunks; a pipe named
as a chunk is refused.

usage: census_test.py --census EXE --cli EXE --mpiexec MPIRUN [--seeds N]"""
import argparse
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

FROM = 1700000000
CHUNKS = 30
# Node limits keep verdicts, unknown ones included, the same however fast or busy the machine is.
# Each worker uses one thread, so that the two workers and the survey fit two cores.
LIMITS = ["--max-nodes", "60", "--max-seconds", "86400", "--jobs", "1"]


def mpi_environment():
    """Open MPI leaks at its finalize from libraries it has already unloaded, which LeakSanitizer cannot tell
    from ours: under the sanitizers the ranks are checked for every other fault, not for leaks."""
    env = dict(os.environ)
    env["ASAN_OPTIONS"] = (env.get("ASAN_OPTIONS", "") + ":detect_leaks=0").lstrip(":")
    return env


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def summary(stdout):
    report = json.loads(stdout.strip().splitlines()[-1])
    return {k: report[k] for k in ("from", "count", "winnable", "unwinnable", "unknown", "ci95")}


def ranks_of(mpirun_pid):
    """The rank processes mpirun started, by their rank (Open MPI tells each its rank in the environment)."""
    ranks = {}
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % pid) as f:
                parent = int(f.read().rsplit(")", 1)[1].split()[1])
            if parent != mpirun_pid:
                continue
            with open("/proc/%s/environ" % pid, "rb") as f:
                for entry in f.read().split(b"\0"):
                    if entry.startswith(b"OMPI_COMM_WORLD_RANK="):
                        ranks[int(entry.split(b"=")[1])] = int(pid)
        except (OSError, IndexError, ValueError):
            continue
    return ranks


def chunk_files(folder):
    if not os.path.isdir(folder):
        return {}
    return {name: os.stat(os.path.join(folder, name)) for name in os.listdir(folder) if name.endswith(".verdicts")}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--census", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--mpiexec", required=True)
    parser.add_argument("--seeds", type=int, default=20000)
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="census_test_")
    range_args = ["--from", str(FROM), "--count", str(args.seeds)] + LIMITS
    mpirun = [args.mpiexec, "--oversubscribe", "--bind-to", "none", "-np", "3", args.census] + range_args + [
        "--chunks", str(CHUNKS)]

    reference = os.path.join(work, "survey.verdicts")
    survey = subprocess.run([args.cli, "survey"] + range_args + ["--verdicts", reference], capture_output=True,
                            text=True, check=False)
    if survey.returncode != 0:
        fail("survey: " + survey.stderr)

    # One whole run: rank 0 hands out, two workers decide.
    out = os.path.join(work, "census.verdicts")
    run = subprocess.run(mpirun + ["--out", out], capture_output=True, text=True, check=False, env=mpi_environment())
    if run.returncode != 0:
        fail("census exited %d: %s" % (run.returncode, run.stderr))
    if summary(run.stdout) != summary(survey.stdout):
        fail("census %s, survey %s" % (summary(run.stdout), summary(survey.stdout)))
    if read(out) != read(reference):
        fail("the census's verdict file differs from the survey's")
    if summary(survey.stdout)["unknown"] == 0:
        fail("no deal was left unknown: the limits no longer test the unknown code")
    shard = os.path.join(work, "shard.verdicts")
    part = subprocess.run([args.cli, "survey"] + range_args + ["--shard", "7/%d" % CHUNKS, "--verdicts", shard],
                          capture_output=True, text=True, check=False)
    if part.returncode != 0 or read(shard) != read(out + ".chunks/shard-7-of-%d.verdicts" % CHUNKS):
        fail("chunk 7 is not what survey --shard 7/%d writes" % CHUNKS)

    # A pipe where a chunk belongs is refused, naming it, rather than read for ever by rank 0 while the
    # workers wait.
    piped = os.path.join(work, "piped.verdicts")
    os.makedirs(piped + ".chunks")
    fifo = piped + ".chunks/shard-3-of-%d.verdicts" % CHUNKS
    os.mkfifo(fifo)
    try:
        refused = subprocess.run(mpirun + ["--out", piped, "--resume"], capture_output=True, text=True,
                                 check=False, env=mpi_environment(), timeout=120)
    except subprocess.TimeoutExpired:
        fail("the census hung on the pipe " + fifo)
    if refused.returncode == 0 or fifo not in refused.stderr or "ordinary file" not in refused.stderr:
        fail("a pipe as a chunk: exit %d, %s" % (refused.returncode, refused.stderr))

    # Interrupted twice: every rank sent SIGTERM, then a worker killed outright. Each time the chunks finished
    # before stay as they are, and --resume goes on from them.
    out = os.path.join(work, "interrupted.verdicts")
    folder = out + ".chunks"
    kept = {}
    # SIGTERM comes first: the ranks stop at once, leaving most chunks to do. A killed worker comes second, as
    # the others may go on until only its chunk is left before mpirun ends them.
    for how in ("every rank terminated", "a worker killed"):
        before = chunk_files(folder)
        mpirun_run = mpirun + ["--out", out] + (["--resume"] if before else [])
        proc = subprocess.Popen(mpirun_run, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                                env=mpi_environment())
        deadline = time.time() + 120
        ranks = {}
        while len(ranks) < 3 and proc.poll() is None and time.time() < deadline:
            ranks = ranks_of(proc.pid)
        while len(chunk_files(folder)) < len(before) + 2 and proc.poll() is None and time.time() < deadline:
            time.sleep(0.002)
        # Every rank is held where it is, so that on a fast machine the run cannot finish between this look and
        # the interruption; the signals then reach ranks that are in the middle of their work.
        try:
            for pid in ranks.values():
                os.kill(pid, signal.SIGSTOP)
        except ProcessLookupError:
            pass
        if proc.poll() is not None or len(ranks) != 3:
            fail("%s: the census ended before it could be interrupted (%s)" % (how, proc.communicate()))
        if how == "a worker killed":
            os.kill(ranks[1], signal.SIGKILL)
        else:
            for pid in ranks.values():
                os.kill(pid, signal.SIGTERM)
        for pid in ranks.values():
            try:
                os.kill(pid, signal.SIGCONT)
            except ProcessLookupError:
                pass
        stdout, stderr = proc.communicate(timeout=120)
        if proc.returncode == 0:
            fail("%s: mpirun reported success" % how)
        if how == "every rank terminated" and "--resume" not in stderr:
            fail("stopped by SIGTERM without saying how to go on: " + stderr)
        done = chunk_files(folder)
        if len(done) >= CHUNKS:
            fail("%s: every chunk was done before the interruption" % how)
        for name, stat in before.items():
            if (done[name].st_ino, done[name].st_mtime_ns) != (stat.st_ino, stat.st_mtime_ns):
                fail("%s: %s was written again" % (how, name))
        kept = done
    resumed = subprocess.run(mpirun + ["--out", out, "--resume"], capture_output=True, text=True, check=False,
                             env=mpi_environment())
    if resumed.returncode != 0:
        fail("resume exited %d: %s" % (resumed.returncode, resumed.stderr))
    if "%d of %d chunks already done" % (len(kept), CHUNKS) not in resumed.stderr:
        fail("resume did not start from the %d chunks done: %s" % (len(kept), resumed.stderr))
    for name, stat in kept.items():
        now = os.stat(os.path.join(folder, name))
        if (now.st_ino, now.st_mtime_ns) != (stat.st_ino, stat.st_mtime_ns):
            fail("resume wrote %s again" % name)
    if summary(resumed.stdout) != summary(survey.stdout) or read(out) != read(reference):
        fail("the resumed census differs from the survey")
    shutil.rmtree(work, ignore_errors=True)
    print("census: %d seeds, %d chunks, 3 ranks, killed and resumed: same as the survey" % (args.seeds, CHUNKS))


if __name__ == "__main__":
    main()
