// A library whose sources all moved to its window-free part.
