"""Running a Windows program under Wine, telling Wine's failures from its own.

Wine now and then fails to start a program, its server up and idle: a few
times in ten thousand starts the program ends at once with status 1 and no
output at all (and inside Wine, CreateProcessW fails with error 1359). A
run that ends so is run again, and said: where it was the program's own
answer (cameras with no camera) the second run gives it again, and every
failure of kavelo-config's names it on standard error, a crash has a status
of its own. Only three such runs are allowed; the fourth counts as the
program's answer.
"""
import subprocess

wine_failures = []


def run_under_wine(command, **options):
    """subprocess.run(command, capture_output=True), run again when Wine did not start it."""
    done = subprocess.run(command, capture_output=True, **options)
    if (done.returncode == 1 and not done.stdout and b"kavelo-config" not in done.stderr
            and len(wine_failures) < 3):
        wine_failures.append((command[2:], done.stderr[-500:]))
        print("Wine did not run %r (status 1, standard error %r): running it again"
              % wine_failures[-1])
        done = subprocess.run(command, capture_output=True, **options)
    return done
