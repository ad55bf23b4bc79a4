#!/usr/bin/env python3
"""Fills the source columns of data/src/materials.csv and data/src/waste_processes.csv
from the public source tables, so that every figure can be traced back.

For each row whose source is "OBD:<uuid or unique uuid prefix>" the figures of the
listed life-cycle module ("A1-A3", or "B6" for an energy carrier) of that OEKOBAUDAT
2020-II data set are written per source reference amount, as published; a module in
the optional column gwp_add ("C3" for wood-based products, whose A1-A3 credits the
biogenic CO2 that C3 releases again) adds its GWP to the GWP figure; for
"ICE:<material>/<type>/<subtype>" the ICE v2 row gives GWP (kg CO2e/kg) and PE
(MJ/kg). PE is total primary energy, PERT + PENRT. Other sources are left alone.

Usage: tools/fill_material_figures.py SOURCE_DIR [REPO_DIR]
  SOURCE_DIR holds OBD_2020_II.csv and ICE_v2_by_mass.csv (e.g. ../shared/data/materials).
The run needs only the Python 3 standard library; make_database does not need it.
"""
import csv
import io
import os
import sys

FIGURES = ["ADPE", "ADPF", "GWP", "ODP", "POCP", "AP", "EP", "PE"]


def load_obd(path):
    with open(path, encoding="latin-1", newline="") as f:
        rows = list(csv.DictReader(f, delimiter=";"))
    by_uuid = {}
    for r in rows:
        by_uuid.setdefault(r["UUID"], []).append(r)
    return by_uuid


def load_ice(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def number(text):
    text = (text or "").strip()
    return float(text) if text else None


def fmt(x):
    return "" if x is None else "%.10g" % x


def obd_figures(by_uuid, key, modules, gwp_add):
    matches = [u for u in by_uuid if u.startswith(key)]
    if len(matches) != 1:
        raise SystemExit("OBD:%s matches %d data sets" % (key, len(matches)))
    uuid = matches[0]
    rows = by_uuid[uuid]
    sums = {k: None for k in FIGURES}
    for module in modules.split("+"):
        picked = [r for r in rows if r["Modul"] == module]
        if not picked:
            raise SystemExit("OBD:%s has no module %s" % (uuid, module))
        r = picked[0]
        values = {k: number(r[k]) for k in FIGURES[:-1]}
        pert, penrt = number(r["PERT"]), number(r["PENRT"])
        values["PE"] = None if pert is None and penrt is None else (pert or 0) + (penrt or 0)
        for k, v in values.items():
            if v is not None:
                sums[k] = (sums[k] or 0) + v
    if gwp_add:
        picked = [r for r in rows if r["Modul"] == gwp_add]
        if not picked or number(picked[0]["GWP"]) is None:
            raise SystemExit("OBD:%s has no GWP in module %s" % (uuid, gwp_add))
        sums["GWP"] += number(picked[0]["GWP"])
    head = rows[0]
    name = head["Name (en)"].strip() or head["Name (de)"].strip()
    unit = "%s %s" % (("%.6g" % float(head["Bezugsgroesse"])), head["Bezugseinheit"])
    return "OBD:" + uuid, name, unit, sums


def ice_figures(ice_rows, key):
    material, kind, subtype = (key.split("/") + ["", ""])[:3]
    picked = [r for r in ice_rows if r["material"] == material and r["type"] == kind and r["subtype"] == subtype]
    if len(picked) != 1:
        raise SystemExit("ICE:%s matches %d rows" % (key, len(picked)))
    r = picked[0]
    sums = {k: None for k in FIGURES}
    sums["GWP"] = number(r["massCO2ePerMass"])
    sums["PE"] = number(r["energyPerMass"])
    name = "ICE v2: %s, %s, %s" % (material, kind, subtype)
    return "ICE:" + key, name, "1 kg", sums


def fill(path, by_uuid, ice_rows):
    with open(path, encoding="utf-8", newline="") as f:
        reader = csv.DictReader(f)
        fields = reader.fieldnames
        rows = list(reader)
    for r in rows:
        src = r["source"]
        if src.startswith("OBD:"):
            r["source"], r["source_name"], r["source_unit"], sums = obd_figures(
                by_uuid, src[4:], r["modules"], r.get("gwp_add", ""))
        elif src.startswith("ICE:"):
            r["source"], r["source_name"], r["source_unit"], sums = ice_figures(ice_rows, src[4:])
        else:
            continue
        for k in FIGURES:
            r[k] = fmt(sums[k])
    out = io.StringIO()
    writer = csv.DictWriter(out, fieldnames=fields, lineterminator="\n")
    writer.writeheader()
    writer.writerows(rows)
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(out.getvalue())


def main():
    if len(sys.argv) not in (2, 3):
        raise SystemExit(__doc__)
    source_dir = sys.argv[1]
    repo = sys.argv[2] if len(sys.argv) == 3 else os.path.join(os.path.dirname(__file__), "..")
    by_uuid = load_obd(os.path.join(source_dir, "OBD_2020_II.csv"))
    ice_rows = load_ice(os.path.join(source_dir, "ICE_v2_by_mass.csv"))
    for table in ("materials.csv", "waste_processes.csv"):
        fill(os.path.join(repo, "data", "src", table), by_uuid, ice_rows)


if __name__ == "__main__":
    main()
