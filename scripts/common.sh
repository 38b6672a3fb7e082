# Sourced by the project's scripts.

pelorus_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Can this machine run 32-bit x86 code? Some kernels are built or booted without IA32 emulation,
# and then neither wine32 nor any 32-bit Windows program can run. Probed with a tiny i386 ELF.
pelorus_can_run_i386() {
  local dir rc=1
  dir=$(mktemp -d) || return 1
  printf '.globl _start\n_start: movl $1,%%eax\n xorl %%ebx,%%ebx\n int $0x80\n' >"$dir/p.s"
  if as --32 "$dir/p.s" -o "$dir/p.o" 2>/dev/null && ld -m elf_i386 "$dir/p.o" -o "$dir/p" 2>/dev/null; then
    "$dir/p" 2>/dev/null && rc=0
  fi
  rm -rf "$dir"
  return $rc
}

# Is 32-bit Wine installed? A mirror caught mid-sync can leave it uninstallable for a while.
pelorus_have_wine32() {
  [[ $(dpkg-query -W -f '${db:Status-Abbrev}' wine32:i386 2>/dev/null) == ii* ]]
}

# Would the tests use 32-bit Wine here: asked for, or, unless the x64 build is asked for, where
# this kernel runs 32-bit code.
pelorus_wants_wine32() {
  case ${PELORUS_TEST_ARCH:-} in
    win32) return 0 ;;
    win64) return 1 ;;
    *) pelorus_can_run_i386 ;;
  esac
}

# The Windows build whose programs the tests run: the 32-bit one where it can run and 32-bit Wine
# is installed, else the 64-bit build of the same sources. PELORUS_TEST_ARCH=win32|win64 overrides.
pelorus_test_arch() {
  if [[ -n ${PELORUS_TEST_ARCH:-} ]]; then
    echo "$PELORUS_TEST_ARCH"
  elif pelorus_can_run_i386 && pelorus_have_wine32; then
    echo win32
  else
    echo win64
  fi
}
