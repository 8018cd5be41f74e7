#!/usr/bin/env python3
"""Writes the command column's pictures (40 x 32 SVG) into resources/icons.

Each picture has a normal look, a look under the mouse, and for the erase and solution
buttons a disabled look. Run it again after changing a drawing; the SVG files are kept in
the repository so the build needs no Python.
"""
import pathlib

OUT = pathlib.Path(__file__).resolve().parent.parent / "resources" / "icons"

LOOKS = {
    "normal": {"fg": "#0b4f4f", "accent": "#c0392b", "plate": None},
    "hover": {"fg": "#ffffff", "accent": "#ffe066", "plate": "#0e7c7c"},
    "disabled": {"fg": "#8a9a9a", "accent": "#a8b4b4", "plate": None},
}

# Each drawing uses {fg} for its lines and {accent} for a touch of colour.
DRAWINGS = {
    "new": """
  <path d="M9 7h16v18H9z M13 7v8h6 M9 19h8 M21 11v14" fill="none" stroke="{fg}" stroke-width="2"/>
  <path d="M31 4l1.6 3.4 3.4 1.6-3.4 1.6L31 14l-1.6-3.4L26 9l3.4-1.6z" fill="{accent}"/>""",
    "erase": """
  <path d="M8 21l10-10 9 9-6 6h-8z" fill="none" stroke="{fg}" stroke-width="2" stroke-linejoin="round"/>
  <path d="M13 16l9 9" stroke="{fg}" stroke-width="2"/>
  <path d="M20 26h13" stroke="{accent}" stroke-width="2" stroke-linecap="round"/>""",
    "solution": """
  <path d="M8 25h6v-7h6v-6h6V6" fill="none" stroke="{accent}" stroke-width="2.5" stroke-linejoin="round"/>
  <path d="M26 6v6 M26 6h6l-2 2 2 2h-6" fill="{fg}" stroke="{fg}" stroke-width="1.5" stroke-linejoin="round"/>
  <circle cx="8" cy="25" r="2.5" fill="{fg}"/>""",
    "mazecolour": """
  <path d="M20 5c-8 0-13 5-13 11s5 11 11 11c2 0 2-2 1-3s-1-3 1-3h4c5 0 9-3 9-7 0-5-6-9-13-9z" fill="none" stroke="{fg}" stroke-width="2"/>
  <circle cx="13" cy="15" r="2" fill="{accent}"/><circle cx="18" cy="10" r="2" fill="#2e86de"/>
  <circle cx="25" cy="10" r="2" fill="#27ae60"/><circle cx="29" cy="16" r="2" fill="#f39c12"/>""",
    "parameters": """
  <path d="M9 9h22 M9 16h22 M9 23h22" stroke="{fg}" stroke-width="2" stroke-linecap="round"/>
  <rect x="13" y="6" width="4" height="6" rx="1" fill="{accent}"/>
  <rect x="23" y="13" width="4" height="6" rx="1" fill="{accent}"/>
  <rect x="16" y="20" width="4" height="6" rx="1" fill="{accent}"/>""",
    "style": """
  <rect x="6" y="9" width="12" height="12" fill="none" stroke="{fg}" stroke-width="2"/>
  <path d="M25 8l7 0 3.5 6-3.5 6h-7l-3.5-6z" fill="none" stroke="{accent}" stroke-width="2"/>""",
    "soundon": """
  <path d="M8 13h5l6-5v16l-6-5H8z" fill="{fg}"/>
  <path d="M23 12c2 2 2 6 0 8 M26 9c4 4 4 10 0 14 M29 6c6 6 6 14 0 20" fill="none" stroke="{accent}" stroke-width="2" stroke-linecap="round"/>""",
    "soundoff": """
  <path d="M8 13h5l6-5v16l-6-5H8z" fill="{fg}"/>""",
    "information": """
  <circle cx="20" cy="16" r="11" fill="none" stroke="{fg}" stroke-width="2"/>
  <circle cx="20" cy="10.5" r="1.7" fill="{accent}"/><path d="M20 14v8" stroke="{fg}" stroke-width="2.6" stroke-linecap="round"/>""",
    "help": """
  <circle cx="20" cy="16" r="11" fill="none" stroke="{fg}" stroke-width="2"/>
  <path d="M16 12.5c0-2.5 2-4 4-4s4 1.5 4 3.7c0 3-4 3-4 6" fill="none" stroke="{fg}" stroke-width="2.4" stroke-linecap="round"/>
  <circle cx="20" cy="22.5" r="1.6" fill="{accent}"/>""",
}

DISABLED = {"erase", "solution"}


def svg(body: str, look: dict) -> str:
    plate = ""
    if look["plate"]:
        plate = f'\n  <rect x="1" y="1" width="38" height="30" rx="5" fill="{look["plate"]}"/>'
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="40" height="32" viewBox="0 0 40 32">'
        + plate
        + body.format(fg=look["fg"], accent=look["accent"])
        + "\n</svg>\n"
    )


def main() -> None:
    OUT.mkdir(parents=True, exist_ok=True)
    for name, body in DRAWINGS.items():
        looks = ["normal", "hover"] + (["disabled"] if name in DISABLED else [])
        for look in looks:
            suffix = "" if look == "normal" else "-" + look
            (OUT / f"{name}{suffix}.svg").write_text(svg(body, LOOKS[look]))


if __name__ == "__main__":
    main()
