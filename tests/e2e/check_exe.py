#!/usr/bin/env python3
"""Checks what Skelvora.exe carries, reading the PE file itself: a GUI
program, linked statically (only system DLLs imported, the common controls
not among them), with the icon in three sizes, the project's version
(MAJOR.MINOR) in the version information and the manifest; no debug
information, only a link to the file beside it that holds it; sections
aligned in the file as in memory.
Prints one PASS or FAIL line per check and "N passed, M failed".
    check_exe.py Skelvora.exe VERSION
"""
import re
import struct
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "shell32.dll", "ole32.dll",
               "oleaut32.dll", "advapi32.dll", "msvcrt.dll"}
SUPPORTED_OS = ["e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
                "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
                "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"]


class PortableExecutable:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        header = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[header:header + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        sections, optional_size = struct.unpack_from("<H12xH", self.data, header + 6)
        optional = header + 24
        magic = struct.unpack_from("<H", self.data, optional)[0]
        self.bits = 64 if magic == 0x20B else 32
        self.subsystem = struct.unpack_from("<H", self.data, optional + 68)[0]
        directories = optional + (112 if self.bits == 64 else 96)
        self.directories = [struct.unpack_from("<II", self.data, directories + 8 * i) for i in range(16)]
        self.section_alignment, self.file_alignment = struct.unpack_from("<II", self.data, optional + 32)
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8xIIII", self.data, table + 40 * i) for i in range(sections)]
        self.section_names = [self.section_name(table + 40 * i) for i in range(sections)]

    def section_name(self, at):
        """A long name ("/4") stands in the COFF string table."""
        name = self.data[at:at + 8].rstrip(b"\0").decode("ascii")
        if not name.startswith("/"):
            return name
        symbols, count = struct.unpack_from("<II", self.data, struct.unpack_from("<I", self.data, 0x3C)[0] + 12)
        strings = symbols + 18 * count
        start = strings + int(name[1:])
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def section(self, name):
        """The raw bytes of the named section, or None."""
        if name not in self.section_names:
            return None
        virtual_size, _, raw_size, raw_offset = self.sections[self.section_names.index(name)]
        return self.data[raw_offset:raw_offset + min(virtual_size, raw_size)]

    def offset(self, rva):
        for virtual_size, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_offset + rva - address
        raise ValueError(f"address {rva:#x} is in no section")

    def c_string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        rva = self.directories[1][0]
        names = []
        while rva:
            descriptor = struct.unpack_from("<5I", self.data, self.offset(rva))
            if not any(descriptor):
                break
            names.append(self.c_string(descriptor[3]))
            rva += 20
        return names

    def resources(self):
        """{(type, name): bytes} for the first language of each resource."""
        found = {}
        if not self.directories[2][0]:
            return found
        base = self.offset(self.directories[2][0])

        def key(entry):
            if entry & 0x80000000:
                at = base + (entry & 0x7FFFFFFF)
                length = struct.unpack_from("<H", self.data, at)[0]
                return self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
            return entry

        def walk(directory, path):
            named, numbered = struct.unpack_from("<12xHH", self.data, base + directory)
            for i in range(named + numbered):
                name, target = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)
                if target & 0x80000000:
                    walk(target & 0x7FFFFFFF, path + [key(name)])
                elif tuple(path[:2]) not in found:
                    rva, size = struct.unpack_from("<II", self.data, base + target)
                    found[tuple(path[:2])] = self.data[self.offset(rva):self.offset(rva) + size]

        walk(0, [])
        return found


def utf16(text):
    return text.encode("utf-16-le")


def checks(exe, version_text):
    resources = exe.resources()

    yield "a GUI program", exe.subsystem == 2, f"subsystem {exe.subsystem}"

    imports = [name.lower() for name in exe.imports()]
    foreign = [name for name in imports if name not in SYSTEM_DLLS]
    yield "only system DLLs imported", not foreign, f"also imports {foreign}"
    yield "the common controls loaded only when needed", "comctl32.dll" not in imports, "comctl32.dll imported"

    debug = [name for name in exe.section_names if name.startswith(".debug")]
    yield "no debug sections", not debug, f"carries {debug}"
    link = exe.section(".gnu_debuglink") or b""
    yield "a debug link to Skelvora.exe.debug", link.startswith(b"Skelvora.exe.debug\0"), f"link {link[:40]!r}"
    yield "sections aligned to 4 KiB in the file", exe.file_alignment == exe.section_alignment == 4096, \
        f"file alignment {exe.file_alignment}, section alignment {exe.section_alignment}"

    group = resources.get((RT_GROUP_ICON, "MAINICON"), b"")
    sizes = []
    if len(group) >= 6:
        count = struct.unpack_from("<H", group, 4)[0]
        sizes = sorted(group[6 + 14 * i] or 256 for i in range(count))
    yield "icon MAINICON in 16, 32 and 48 pixels", sizes == [16, 32, 48], f"sizes {sizes}"

    version = resources.get((RT_VERSION, 1), b"")
    fixed = version.find(struct.pack("<I", 0xFEEF04BD))
    numbers = struct.unpack_from("<IIII", version, fixed + 8) if fixed >= 0 else ()
    major, minor = (int(part) for part in version_text.split(".")[:2])
    expected = (major << 16 | minor, 0, major << 16 | minor, 0)
    yield f"file and product version {major}.{minor}.0.0", numbers == expected, f"{numbers}"
    for name in ("FileVersion", "ProductVersion"):
        pair = re.escape(utf16(name)) + b"\0\0(?:\0\0)?" + re.escape(utf16(version_text)) + b"\0\0"
        yield f"{name} {version_text}", re.search(pair, version) is not None, "missing"
    for name in ("ProductName", "FileDescription"):
        # The value follows its key's terminating zero, aligned to 4 bytes.
        pair = re.escape(utf16(name)) + b"\0\0(?:\0\0)?" + re.escape(utf16("Skelvora")) + b"\0\0"
        yield f"{name} Skelvora", re.search(pair, version) is not None, "missing"

    manifest = resources.get((RT_MANIFEST, 1), b"").decode("utf-8", "replace")
    yield "manifest asks for common controls 6", "Microsoft.Windows.Common-Controls" in manifest and \
        'version="6.0.0.0"' in manifest, "no common controls 6 dependency"
    missing = [guid for guid in SUPPORTED_OS if guid not in manifest.lower()]
    yield "manifest names Vista to Windows 11", not missing, f"missing {missing}"
    identity = f'name="Skelvora" version="{major}.{minor}.0.0"'
    yield f"manifest of version {major}.{minor}.0.0", identity in manifest, "another version"


def main():
    exe = PortableExecutable(sys.argv[1])
    passed = failed = 0
    for name, ok, detail in checks(exe, sys.argv[2]):
        print(f"PASS {name}" if ok else f"FAIL {name}: {detail}")
        passed, failed = passed + ok, failed + (not ok)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
