# The product that the tree builds unless ORVANTA_PRODUCT_DIR names another folder of this
# shape (scripts/make-saver writes them), beside texts.rch, the product's own texts in both
# programs' resources (.rc defines in its language's code page). Files are named relative to
# this folder.
set(ORVANTA_PRODUCT_ID Orvanta)       # <id>.scr, its keys, its folder, the installer's lock
set(ORVANTA_PRODUCT_LANGUAGE ja)      # the programs' own texts: resources/text/<language>
# The install script (installer FILE 1), in the language's code page; it must name <id>.scr.
set(ORVANTA_PRODUCT_SCRIPT ../installer/install.txt)
# The saver's icon and pictures (JPEG 1..N), and the files that script takes in.
set(ORVANTA_PRODUCT_PICTURES ../saver/Orvanta.rc)
set(ORVANTA_PRODUCT_PICTURE_FILES ../saver/icon.ico ../saver/pic1.jpg ../saver/pic2.jpg ../saver/pic3.jpg
  ../saver/pic4.jpg)
# The installer's icon, and the 400 x 300 24-bit picture of both programs' dialogs.
set(ORVANTA_PRODUCT_ICON ../saver/icon.ico)
set(ORVANTA_PRODUCT_BITMAP ../saver/dialog.bmp)
