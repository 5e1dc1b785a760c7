BEGIN { while ((getline l < "LufCities.txt") > 0) { sub(/\r$/, "", l); if (l == "" || substr(l, 1, 1) == ";") continue; i = index(l, ","); r[toupper(substr(l, 2, i - 3))] = substr(l, i + 2, length(l) - i - 2) } }
{ sub(/\r$/, ""); n = index($0, "Name: "); s = substr($0, n + 6); name = toupper(substr(s, 1, index(s, ";") - 1))
  a = index($0, "Age: "); s = substr($0, a + 5); age = substr(s, 1, index(s, ";") - 1)
  c = index($0, "City: "); city = substr($0, c + 6); country = r[toupper(city)]; if (country == "") country = "Elsewhere"
  band = "young"; if (age + 0 >= 30) band = "middle"; if (age + 0 >= 60) band = "senior"
  printf "%s;%s;%s\r\n", country, band, name }
