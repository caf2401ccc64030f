#!/usr/bin/python3
"""Writes resources/places/fr_departements.txt, the F-DDFM list of the HF beam window:
the 96 departements of metropolitan France (with 2A and 2B for Corsica), in the order of
their numbers, four TAB-separated fields: number, "Name (prefecture)", latitude "46,21N",
longitude "5,23E".

No openly licensed package of departement positions is in Debian or npm, so the point of
each departement is its prefecture, whose coordinates (to 0.01 degree) are plain
geographic facts typed in the table below.

Usage: make_fr_departements.py [OUTPUT]
"""
import os
import sys

DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                              "..", "..", "resources", "places", "fr_departements.txt")

# number, departement, prefecture, latitude (N), longitude (E positive)
DEPARTEMENTS = [
    ("01", "Ain", "Bourg-en-Bresse", 46.21, 5.23),
    ("02", "Aisne", "Laon", 49.56, 3.62),
    ("03", "Allier", "Moulins", 46.57, 3.33),
    ("04", "Alpes-de-Haute-Provence", "Digne-les-Bains", 44.09, 6.24),
    ("05", "Hautes-Alpes", "Gap", 44.56, 6.08),
    ("06", "Alpes-Maritimes", "Nice", 43.70, 7.27),
    ("07", "Ardèche", "Privas", 44.74, 4.60),
    ("08", "Ardennes", "Charleville-Mézières", 49.77, 4.72),
    ("09", "Ariège", "Foix", 42.97, 1.61),
    ("10", "Aube", "Troyes", 48.30, 4.08),
    ("11", "Aude", "Carcassonne", 43.21, 2.35),
    ("12", "Aveyron", "Rodez", 44.35, 2.57),
    ("13", "Bouches-du-Rhône", "Marseille", 43.30, 5.37),
    ("14", "Calvados", "Caen", 49.18, -0.37),
    ("15", "Cantal", "Aurillac", 44.93, 2.44),
    ("16", "Charente", "Angoulême", 45.65, 0.16),
    ("17", "Charente-Maritime", "La Rochelle", 46.16, -1.15),
    ("18", "Cher", "Bourges", 47.08, 2.40),
    ("19", "Corrèze", "Tulle", 45.27, 1.77),
    ("2A", "Corse-du-Sud", "Ajaccio", 41.93, 8.74),
    ("2B", "Haute-Corse", "Bastia", 42.70, 9.45),
    ("21", "Côte-d'Or", "Dijon", 47.32, 5.04),
    ("22", "Côtes-d'Armor", "Saint-Brieuc", 48.51, -2.76),
    ("23", "Creuse", "Guéret", 46.17, 1.87),
    ("24", "Dordogne", "Périgueux", 45.18, 0.72),
    ("25", "Doubs", "Besançon", 47.24, 6.02),
    ("26", "Drôme", "Valence", 44.93, 4.89),
    ("27", "Eure", "Évreux", 49.02, 1.15),
    ("28", "Eure-et-Loir", "Chartres", 48.45, 1.49),
    ("29", "Finistère", "Quimper", 48.00, -4.10),
    ("30", "Gard", "Nîmes", 43.84, 4.36),
    ("31", "Haute-Garonne", "Toulouse", 43.60, 1.44),
    ("32", "Gers", "Auch", 43.65, 0.59),
    ("33", "Gironde", "Bordeaux", 44.84, -0.58),
    ("34", "Hérault", "Montpellier", 43.61, 3.88),
    ("35", "Ille-et-Vilaine", "Rennes", 48.11, -1.68),
    ("36", "Indre", "Châteauroux", 46.81, 1.69),
    ("37", "Indre-et-Loire", "Tours", 47.39, 0.69),
    ("38", "Isère", "Grenoble", 45.19, 5.72),
    ("39", "Jura", "Lons-le-Saunier", 46.67, 5.55),
    ("40", "Landes", "Mont-de-Marsan", 43.89, -0.50),
    ("41", "Loir-et-Cher", "Blois", 47.59, 1.33),
    ("42", "Loire", "Saint-Étienne", 45.43, 4.39),
    ("43", "Haute-Loire", "Le Puy-en-Velay", 45.04, 3.88),
    ("44", "Loire-Atlantique", "Nantes", 47.22, -1.55),
    ("45", "Loiret", "Orléans", 47.90, 1.91),
    ("46", "Lot", "Cahors", 44.45, 1.44),
    ("47", "Lot-et-Garonne", "Agen", 44.20, 0.62),
    ("48", "Lozère", "Mende", 44.52, 3.50),
    ("49", "Maine-et-Loire", "Angers", 47.47, -0.55),
    ("50", "Manche", "Saint-Lô", 49.12, -1.09),
    ("51", "Marne", "Châlons-en-Champagne", 48.96, 4.36),
    ("52", "Haute-Marne", "Chaumont", 48.11, 5.14),
    ("53", "Mayenne", "Laval", 48.07, -0.77),
    ("54", "Meurthe-et-Moselle", "Nancy", 48.69, 6.18),
    ("55", "Meuse", "Bar-le-Duc", 48.77, 5.16),
    ("56", "Morbihan", "Vannes", 47.66, -2.76),
    ("57", "Moselle", "Metz", 49.12, 6.18),
    ("58", "Nièvre", "Nevers", 46.99, 3.16),
    ("59", "Nord", "Lille", 50.63, 3.06),
    ("60", "Oise", "Beauvais", 49.43, 2.08),
    ("61", "Orne", "Alençon", 48.43, 0.09),
    ("62", "Pas-de-Calais", "Arras", 50.29, 2.78),
    ("63", "Puy-de-Dôme", "Clermont-Ferrand", 45.78, 3.08),
    ("64", "Pyrénées-Atlantiques", "Pau", 43.30, -0.37),
    ("65", "Hautes-Pyrénées", "Tarbes", 43.23, 0.08),
    ("66", "Pyrénées-Orientales", "Perpignan", 42.70, 2.90),
    ("67", "Bas-Rhin", "Strasbourg", 48.58, 7.75),
    ("68", "Haut-Rhin", "Colmar", 48.08, 7.36),
    ("69", "Rhône", "Lyon", 45.76, 4.84),
    ("70", "Haute-Saône", "Vesoul", 47.62, 6.16),
    ("71", "Saône-et-Loire", "Mâcon", 46.31, 4.83),
    ("72", "Sarthe", "Le Mans", 48.00, 0.20),
    ("73", "Savoie", "Chambéry", 45.57, 5.92),
    ("74", "Haute-Savoie", "Annecy", 45.90, 6.13),
    ("75", "Paris", "Paris", 48.86, 2.35),
    ("76", "Seine-Maritime", "Rouen", 49.44, 1.10),
    ("77", "Seine-et-Marne", "Melun", 48.54, 2.66),
    ("78", "Yvelines", "Versailles", 48.80, 2.13),
    ("79", "Deux-Sèvres", "Niort", 46.32, -0.46),
    ("80", "Somme", "Amiens", 49.89, 2.30),
    ("81", "Tarn", "Albi", 43.93, 2.15),
    ("82", "Tarn-et-Garonne", "Montauban", 44.02, 1.35),
    ("83", "Var", "Toulon", 43.12, 5.93),
    ("84", "Vaucluse", "Avignon", 43.95, 4.81),
    ("85", "Vendée", "La Roche-sur-Yon", 46.67, -1.43),
    ("86", "Vienne", "Poitiers", 46.58, 0.34),
    ("87", "Haute-Vienne", "Limoges", 45.83, 1.26),
    ("88", "Vosges", "Épinal", 48.17, 6.45),
    ("89", "Yonne", "Auxerre", 47.80, 3.57),
    ("90", "Territoire de Belfort", "Belfort", 47.64, 6.86),
    ("91", "Essonne", "Évry-Courcouronnes", 48.63, 2.44),
    ("92", "Hauts-de-Seine", "Nanterre", 48.89, 2.21),
    ("93", "Seine-Saint-Denis", "Bobigny", 48.91, 2.44),
    ("94", "Val-de-Marne", "Créteil", 48.79, 2.46),
    ("95", "Val-d'Oise", "Cergy", 49.04, 2.06),
]


def coordinate(value, positive, negative):
    return ("%.2f%s" % (abs(value), positive if value >= 0 else negative)).replace(".", ",")


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUTPUT
    if len(DEPARTEMENTS) != 96 or len({d[0] for d in DEPARTEMENTS}) != 96:
        sys.exit("the table must hold 96 different departements")
    with open(output, "w", encoding="utf-8", newline="") as f:
        for number, name, prefecture, lat, lon in DEPARTEMENTS:
            f.write("\t".join([number, "%s (%s)" % (name, prefecture),
                               coordinate(lat, "N", "S"), coordinate(lon, "E", "W")]) + "\r\n")


if __name__ == "__main__":
    main()
