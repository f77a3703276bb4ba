"""Builds the extension pelantor._engine with the project's CMake build, so
that the module is compiled exactly as `make python` compiles it.  The rest
of the package's description is in pyproject.toml."""

import os
import re
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = Path(__file__).resolve().parent
BUILD_BASE = ROOT / "build-pip"
BUILD_BASE.mkdir(exist_ok=True)


def project_version():
    """The version of project() in CMakeLists.txt, the project's one place
    for it."""
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(pelantor VERSION ([0-9.]+)", text).group(1)


class CMakeBuild(build_ext):
    """Configures the project with the module alone and builds it into the
    folder setuptools packs the extension from."""

    def build_extension(self, ext):
        package_root = Path(self.get_ext_fullpath(ext.name)).resolve().parent.parent
        build_dir = Path(self.build_temp).resolve()
        build_dir.mkdir(parents=True, exist_ok=True)
        subprocess.run(
            [
                "cmake", "-S", str(ROOT), "-B", str(build_dir),
                "-DCMAKE_BUILD_TYPE=Release",
                "-DPELANTOR_TESTS=OFF",
                "-DPELANTOR_PYTHON=ON",
                f"-DPython3_EXECUTABLE={sys.executable}",
                f"-DPELANTOR_PYTHON_DIR={package_root}",
            ],
            check=True,
        )
        jobs = os.environ.get("JOBS", "2")
        subprocess.run(
            ["cmake", "--build", str(build_dir), "--target", "pelantor_python", "-j", jobs],
            check=True,
        )


setup(
    version=project_version(),
    ext_modules=[Extension("pelantor._engine", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    # Everything setuptools writes goes under build-pip/, out of the way of
    # the sources and of the CMake build folders.
    options={"build": {"build_base": str(BUILD_BASE)}, "egg_info": {"egg_base": str(BUILD_BASE)}},
)
