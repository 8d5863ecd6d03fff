# English: the programs' texts and the product's are Windows-1252, and the code shows them through it.
set(ORVANTA_TEXT_CODE_PAGE 1252)
